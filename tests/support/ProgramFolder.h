#pragma once

#include "bridge/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#ifndef STANDIN_TOOL_PATH
#error "the test target must define STANDIN_TOOL_PATH"
#endif

// A temporary program folder holding stand-ins for the named tools; the program takes it for its
// own folder while this object lives.
class ProgramFolder
{
public:
    explicit ProgramFolder(const QStringList& tools = {QStringLiteral("adb")})
    {
        for (const QString& tool : tools)
            addTool(tool);
        Paths::setProgramFolder(m_dir.path());
    }
    ~ProgramFolder() { Paths::setProgramFolder(QString()); }

    // The stand-in under the tool's name: "adb", or "adb.exe" on Windows.
    void addTool(const QString& tool)
    {
        QFile::copy(QStringLiteral(STANDIN_TOOL_PATH), toolPath(tool));
        QFile::setPermissions(toolPath(tool), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#ifdef Q_OS_WIN
        // The bridge tool comes with its two interface libraries, which the start-up looks for.
        if (tool == QLatin1String("adb")) {
            write(QStringLiteral("AdbWinApi.dll"), "stand-in");
            write(QStringLiteral("AdbWinUsbApi.dll"), "stand-in");
        }
#endif
    }
    QString toolPath(const QString& tool) const
    {
#ifdef Q_OS_WIN
        return path(tool + QStringLiteral(".exe"));
#else
        return path(tool);
#endif
    }
    QString path(const QString& name) const
    {
        return m_dir.filePath(name);
    }

    // What the stand-in answers to a subcommand ("devices", "shell", "connect"...).
    void setAnswer(const QString& tool, const QString& subcommand, const QByteArray& answer) const
    {
        write(tool + QLatin1Char('.') + subcommand, answer);
    }
    void write(const QString& name, const QByteArray& content) const
    {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
    }

    // Each start of the tool so far, as its words.
    QList<QStringList> startsOf(const QString& tool) const
    {
        QList<QStringList> result;
        QFile log(path(tool + QStringLiteral(".log")));
        if (!log.open(QIODevice::ReadOnly))
            return result;
        for (const QByteArray& line : log.readAll().split('\x1e')) {
            if (line.isEmpty())
                continue;
            QStringList words = QString::fromUtf8(line).split(QChar(0x1f));
            words.removeFirst(); // the start time
            result.append(words);
        }
        return result;
    }

    // The mirroring client's starts, less the version query the launcher makes when it first shows.
    QList<QStringList> launchesOf(const QString& tool) const
    {
        QList<QStringList> starts = startsOf(tool);
        starts.removeAll(QStringList {QStringLiteral("--version")});
        return starts;
    }

    // The bridge tool's starts, less the maker queries the device model makes of each new phone.
    QList<QStringList> commandsOf(const QString& tool) const
    {
        QList<QStringList> starts = startsOf(tool);
        starts.removeIf([](const QStringList& words) { return words.contains(QStringLiteral("getprop")); });
        return starts;
    }

    QString folder() const
    {
        return m_dir.path();
    }

private:
    QTemporaryDir m_dir;
};
