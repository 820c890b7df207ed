#pragma once

#include "ToolStart.h"

#include <QProcess>

// A tool that runs on and reports as it goes (the device tracking, an install of the tools, a file
// sent to a phone): its standard output is handed over as it arrives, its standard error dropped
// unless merged into it, and its end reported once. It belongs to its receiver and is stopped with it.
class ToolStream : public RunningTool
{
    Q_OBJECT

public:
    ToolStream(const ToolStart& start, QObject* receiver, ToolOutputHandler onOutput, ToolAnswerHandler onEnd);
    ~ToolStream() override;

    void closeInput() override;

private:
    void ended(const ToolAnswer& answer);

    QProcess* m_process; // outlives this object when stopped while running, until the tool has ended
    ToolOutputHandler m_onOutput;
    ToolAnswerHandler m_onEnd;
    bool m_ended = false;
    bool m_inputOpen = false;
};
