#pragma once

#include "ToolStart.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// Everything that leaves the process passes through here: starting a tool, knocking at a phone's
// port, opening a web address, showing a modal message box and ending the program. The program uses the system's
// services; tests install a recorder so that nothing blocks and every word can be checked.
class Outside
{
public:
    enum class Icon { Stop, Warning, Information };

    using ToolStart = ::ToolStart;
    using AnswerHandler = ToolAnswerHandler;
    using OutputHandler = ToolOutputHandler;

    virtual ~Outside() = default;

    // Starts the tool to run on after the program, and returns at once; false, with the system's
    // reason in problem, when it could not be started at all. Only the mirroring clients start this
    // way. With onEnd the tool is watched until it ends, and onEnd is handed how it ended (or that it
    // failed to start) on the window thread; the program ending first leaves it running all the same.
    virtual bool startTool(const ToolStart& start, QString* problem, AnswerHandler onEnd = nullptr) = 0;
    // Starts the tool, captures what it prints and, once it has ended or been stopped at its time
    // limit, hands its answer to onAnswer on the window thread, never before this call returns.
    // Nothing is handed over once receiver is gone.
    virtual void callTool(const ToolStart& start, QObject* receiver, AnswerHandler onAnswer) = 0;
    // Starts a tool that runs on and reports as it goes: what it prints on standard output is handed
    // to onOutput as it arrives, and its end to onEnd, both on the window thread. The returned
    // object is the running tool, a child of receiver: deleting it (or receiver) stops the tool,
    // and nothing is handed over after that.
    virtual RunningTool* streamTool(
        const ToolStart& start, QObject* receiver, OutputHandler onOutput, AnswerHandler onEnd)
        = 0;
    // Whether something listens at host:port, learnt by opening a TCP connection and closing it at
    // once: no tool starts, nothing is sent. onAnswer is handed the outcome within timeoutMs, on the
    // window thread, never before this call returns, and not once receiver is gone.
    virtual void probe(const QString& host, quint16 port, int timeoutMs, QObject* receiver,
        std::function<void(bool listening)> onAnswer)
        = 0;
    virtual void openWebAddress(const QString& address) = 0;
    virtual void showMessage(const QString& text, const QString& title, Icon icon) = 0;
    // Asks the user for a file to open, modal; empty when none was chosen.
    virtual QString chooseFile(const QString& title, const QString& filter) = 0;
    // Asks the user for files to open, modal; empty when none were chosen.
    virtual QStringList chooseFiles(const QString& title) = 0;
    virtual void endProgram(int exitStatus = 0) = 0;

    static Outside& current();
    // Installs a replacement (not owned); nullptr restores the system's services.
    static void install(Outside* replacement);
};
