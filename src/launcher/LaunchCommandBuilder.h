#pragma once

#include <QString>

// The mirroring client's command line of one device slot, composed piece by piece. Every
// separator is written even where the pieces around it are empty, so the line has runs of blanks;
// the runner's word splitting makes nothing of them.
struct LaunchFragments
{
    QString TRES; // " -m 1920", " -m 1440", " -m 1280" or " -m 0"
    QString TBIT; // " -b 30M" ... " -b 2M"
    QString FS;
    QString TS;
    QString STT;
    QString HPT;
    QString RECO;
};

namespace LaunchCommandBuilder {

inline const QString Fullscreen = QStringLiteral("--fullscreen");
inline const QString AlwaysOnTop = QStringLiteral("--always-on-top");
inline const QString ShowTouches = QStringLiteral("--show-touches");
inline const QString TurnScreenOff = QStringLiteral("--turn-screen-off");

// " -s " + the serial text as the device list left it, or empty for an unselected slot.
QString selector(bool selected, const QString& serial);

// "--record " + the file name; a name with blanks or double quotes is quoted, so the client
// receives exactly one file name.
QString recordPiece(const QString& recordName);

QString line(const QString& selector, const LaunchFragments& fragments);

} // namespace LaunchCommandBuilder
