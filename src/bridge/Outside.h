#pragma once

#include "ToolAnswer.h"
#include "ToolCommand.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// A tool started by Outside::streamTool, running on: deleting it stops the tool.
class RunningTool : public QObject
{
public:
    using QObject::QObject;
    // Ends the tool's standard input, kept open with ToolStart::inputOpen: a tool that reads it takes
    // its end as the word to stop.
    virtual void closeInput() { }
};

// Everything that leaves the process passes through here: starting a tool, opening a web
// address, showing a modal message box and ending the program. The program uses the system's
// services; tests install a recorder so that nothing blocks and every word can be checked.
class Outside
{
public:
    enum class Icon { Stop, Warning, Information };

    struct ToolStart
    {
        QStringList words; // the tool's name as written, then its arguments
        QString workingFolder;
        bool mergeErrors = false; // standard error joins standard output, in the order printed
        int timeLimitMs = 0; // a called tool still running after this long is stopped
        QString logFile; // a detached tool's standard output and error are appended here
        QMap<QString, QString> environment; // set for the tool beside the program's own
        QList<qsizetype> secretWords = {}; // never logged
        // A streamed tool's standard input stays open until closeInput(); when it is stopped, the tool
        // is given half a second to end on its own after its input closed.
        bool inputOpen = false;

        QStringList loggedWords() const { return maskedWords(words, secretWords); }
    };

    using AnswerHandler = std::function<void(const ToolAnswer&)>;
    using OutputHandler = std::function<void(const QByteArray&)>;

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
    virtual void openWebAddress(const QString& address) = 0;
    virtual void showMessage(const QString& text, const QString& title, Icon icon) = 0;
    // Asks the user for a file to open, modal; empty when none was chosen.
    virtual QString chooseFile(const QString& title, const QString& filter) = 0;
    virtual void endProgram(int exitStatus = 0) = 0;

    static Outside& current();
    // Installs a replacement (not owned); nullptr restores the system's services.
    static void install(Outside* replacement);
};

class SystemOutside : public Outside
{
public:
    bool startTool(const ToolStart& start, QString* problem, AnswerHandler onEnd = nullptr) override;
    void callTool(const ToolStart& start, QObject* receiver, AnswerHandler onAnswer) override;
    RunningTool* streamTool(
        const ToolStart& start, QObject* receiver, OutputHandler onOutput, AnswerHandler onEnd) override;
    void openWebAddress(const QString& address) override;
    void showMessage(const QString& text, const QString& title, Icon icon) override;
    QString chooseFile(const QString& title, const QString& filter) override;
    void endProgram(int exitStatus = 0) override;
};
