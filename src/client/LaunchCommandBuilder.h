#pragma once

#include "ClientOptions.h"
#include "MoreOptions.h"
#include "bridge/ToolCommand.h"

#include <QList>
#include <QMargins>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVersionNumber>

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

// What one client of a launch is told of its window and sound beyond the launch's options: its
// title, its place on the screen and whether it leaves its phone's sound on the phone. An empty
// title and a null place leave them to the client.
struct ClientWindow
{
    QString title;
    QRect place;
    bool noAudio = false;
};

// A phone a launch starts a client for: its serial alone, and its model once it has told it.
struct ClientPhone
{
    QString serial;
    QString model;
};

namespace LaunchCommandBuilder {

// "<model> · <serial>", or the serial alone while the model is unknown.
QString windowTitle(const ClientPhone& phone);
// The available area split into as many equal columns as clients, left to right, none
// overlapping another or leaving the area.
QList<QRect> cells(const QRect& available, int count);
// The windows of a launch's clients, in slot order: each titled after its phone; with several,
// each inside its cell less the window's frame, and the sound from the first phone only. Only
// what the client's version knows is set.
QList<ClientWindow> windows(
    const QVersionNumber& client, const QList<ClientPhone>& phones, const QRect& available, const QMargins& frame);

// The words of the window of more options for one client, each one argument, only those its version
// knows, in the table's spelling. A client whose sound stays on its phone (every client but the first of several) is
// given no sound word: the launch's own rule gives it --no-audio.
QStringList moreWords(const MoreOptions& options, const QVersionNumber& client, bool soundStaysOnPhone);

// " -s " + the serial text as the device list left it, or empty for an unselected slot.
QString selector(bool selected, const QString& serial);

// The record file of a record name: the name + ".mp4".
QString recordFile(const QString& recordName);
// A launcher's option and its value as the line writes them: " -b 30M".
QString fragment(ClientOptions::Choice choice, const QString& value);
// "--record " + the record file.
QString recordPiece(const QString& recordFile);

// The more options' words follow the window's.
ToolCommand line(const QString& selector, const LaunchFragments& fragments, const ClientWindow& window = {},
    const QStringList& moreOptionWords = {});

} // namespace LaunchCommandBuilder
