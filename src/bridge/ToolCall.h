#pragma once

#include "ToolStart.h"

#include <QPointer>
#include <QProcess>
#include <QTimer>

// One called tool: started from its words, its output captured (up to a cap, so a runaway tool
// cannot fill the memory), stopped at its time limit, and its answer handed over once.
class ToolCall : public QObject
{
    Q_OBJECT

public:
    // Only so much of each stream is kept; the rest is read and dropped.
    static constexpr qsizetype OutputCap = 64 * 1024;

    ToolCall(const ToolStart& start, QObject* receiver, ToolAnswerHandler onAnswer);
    ~ToolCall() override;

    void start();

private:
    void keep(QByteArray& kept, QByteArray&& arrived);
    void processFinished(int exitCode, QProcess::ExitStatus status);
    void processFailed(QProcess::ProcessError error);
    void timeLimitReached();
    void answer(const ToolAnswer& answer);

    ToolStart m_start;
    QPointer<QObject> m_receiver;
    ToolAnswerHandler m_onAnswer;
    QProcess* m_process; // released, not waited for, when the call goes first
    QTimer m_deadline;
    QByteArray m_output;
    QByteArray m_errors;
    bool m_timedOut = false;
    bool m_answered = false;
};
