#pragma once

#include <QObject>
#include <QVersionNumber>

struct ToolAnswer;

// The version of the mirroring client the program would start, asked of it once per run
// ("scrcpy --version", whose first line reads "scrcpy X.Y" or "scrcpy X.Y.Z") while the window
// goes on. Null until the client has answered, and when it is missing or answers otherwise.
class ClientVersion : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void ask();
    // After the tools were installed: the client may be another, or there at last. A version never
    // asked for is left to the first ask.
    void askAgain();
    QVersionNumber version() const { return m_version; }
    bool answered() const { return m_answered; }

    // Before 1.15 the client's shortcut key is Ctrl; from 1.15 on it is left Alt (or Super),
    // which is also the key to name when the version is unknown.
    bool usesCtrlShortcuts() const;

    static QVersionNumber parse(const QByteArray& output);

signals:
    void changed();

private:
    QVersionNumber m_version;
    bool m_asked = false;
    bool m_answered = false;
};
