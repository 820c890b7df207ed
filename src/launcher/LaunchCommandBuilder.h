#pragma once

#include "bridge/ToolCommand.h"

#include <QString>

// The mirroring client's command of one device slot, composed piece by piece. The text writes
// every separator even where the pieces around it are empty, so it has runs of blanks; the words
// are built beside it, each typed value (serial, record file) as one word of its own.
struct LaunchFragments
{
    QString TRES; // " -m 1920", " -m 1440", " -m 1280" or " -m 0"
    QString TBIT; // " -b 30M" ... " -b 2M"
    QString FS;
    QString TS;
    QString STT;
    QString HPT;
    QString RECO; // "--record " + the record file, or empty
    QString recordFile; // the record file alone, when RECO is set
};

namespace LaunchCommandBuilder {

inline const QString Fullscreen = QStringLiteral("--fullscreen");
inline const QString AlwaysOnTop = QStringLiteral("--always-on-top");
inline const QString ShowTouches = QStringLiteral("--show-touches");
inline const QString TurnScreenOff = QStringLiteral("--turn-screen-off");

// " -s " + the serial text as the device list left it, or empty for an unselected slot.
QString selector(bool selected, const QString& serial);

// The record file of a record name: the name + ".mp4".
QString recordFile(const QString& recordName);
// "--record " + the record file.
QString recordPiece(const QString& recordFile);

ToolCommand line(const QString& selector, const LaunchFragments& fragments);

} // namespace LaunchCommandBuilder
