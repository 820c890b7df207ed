#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// The official tools this program fetches: the mirroring client's release archive for this
// platform, which holds the client, its server and a current adb (on Windows with the two
// libraries adb needs), in one top folder named as the archive without its extension.
struct ToolsRelease
{
    QUrl address;
    QByteArray sha256; // lower-case hexadecimal, as the client's documentation gives it
    QString topFolder; // the archive's one top folder, which becomes the tools folder
    // No archive of the tools reaches this size, downloaded or chosen; a transfer with nothing
    // arriving for this long is given up.
    qint64 sizeLimit = 200LL * 1000 * 1000;
    int stallLimitMs = 30000;

    // The archive's file name, as the address ends.
    QString archiveName() const;
    // "4.1" from "scrcpy-linux-x86_64-v4.1"; empty when the name tells none.
    QString version() const;

    // The release this build was configured with.
    static ToolsRelease deployed();
    // The one the windows offer: the deployed one, unless a test points elsewhere.
    static ToolsRelease current();
    static void setCurrentForTests(const ToolsRelease& release);
    static void restoreDeployed();
};
