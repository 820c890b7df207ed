#pragma once

#include "bridge/Outside.h"
#include "bridge/ToolCommand.h"

#include <QList>
#include <QObject>
#include <QStringList>

class Form1;

// One screenshot of each phone selected at the click: the phone captures its screen, the picture
// is copied to the output folder, and the phone's copy is removed, each step as soon as the one
// before has answered. One phone's picture lands as "screen.png"; with several, each phone's under
// a name of its own, so no picture replaces another. A copy that fails leaves the phone's picture
// where it is, and the failures of one sequence are told in one message.
class ScreenshotSequence : public QObject
{
    Q_OBJECT

public:
    explicit ScreenshotSequence(Form1& launcher, QObject* parent = nullptr);

    bool isRunning() const { return m_unfinished > 0; }
    // Starts a sequence for the slots selected now; false, doing nothing, while one still runs.
    bool start();
    // How many phones the last sequence started with.
    int phoneCount() const { return m_phones; }

    // The picture's name on the computer for a phone, when several take part.
    static QString pictureNameFor(const QString& serial);

signals:
    void finished();

private:
    struct Phone
    {
        QString selector;
        QString serial;
        QString target; // empty: "screen.png", where the tool runs
    };

    void step(const Phone& phone, const ToolCommand& tail, Outside::AnswerHandler then);
    void capture(const Phone& phone);
    void copy(const Phone& phone);
    void remove(const Phone& phone);
    void fail(const Phone& phone, const QString& what, const ToolAnswer& answer);
    void phoneDone();

    Form1& m_launcher;
    int m_phones = 0;
    int m_unfinished = 0;
    QStringList m_failures;
};
