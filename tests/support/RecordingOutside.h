#pragma once

#include "install/ToolsHelper.h"

#include "bridge/Outside.h"
#include "bridge/SystemOutside.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

// Stands in for everything that leaves the process: records each tool start, web address,
// message box and end of the program, so no test blocks on a box or starts a stray tool.
// A called tool answers from the event loop, as a real one would: with its canned answer (by
// subcommand), or, with holdAnswers, only when the test hands one over. With forwardTools set,
// tools are really started after being recorded.
class RecordingOutside : public Outside
{
public:
    struct Message
    {
        QString text;
        QString title;
        Icon icon;
    };
    struct Stream
    {
        ToolStart start;
        QPointer<QObject> running; // gone once the program stopped it
        OutputHandler onOutput;
        AnswerHandler onEnd;
    };
    struct PendingCall
    {
        ToolStart start;
        QPointer<QObject> receiver;
        AnswerHandler onAnswer;
    };

    RecordingOutside() { Outside::install(this); }
    ~RecordingOutside() override { Outside::install(nullptr); }

    bool startTool(const ToolStart& start, QString* problem, AnswerHandler onEnd = nullptr) override
    {
        record(start);
        if (forwardTools)
            return m_system.startTool(start, problem, std::move(onEnd));
        if (problem)
            *problem = startProblem;
        if (startProblem.isEmpty())
            clientEnds.append(onEnd);
        return startProblem.isEmpty();
    }
    // The started tool at index (among those that started) ends with this exit status.
    void endClient(int index, int exitStatus)
    {
        if (const AnswerHandler onEnd = clientEnds.value(index))
            onEnd(ToolAnswer::exited(exitStatus, {}));
    }
    void callTool(const ToolStart& start, QObject* receiver, AnswerHandler onAnswer) override
    {
        record(start);
        if (forwardTools) {
            ++*m_outstanding;
            m_system.callTool(start, receiver, [outstanding = m_outstanding, onAnswer](const ToolAnswer& answer) {
                --*outstanding;
                onAnswer(answer);
            });
            return;
        }
        pending.append({start, receiver, onAnswer});
        if (!holdAnswers)
            deliver(pending.size() - 1, answerFor(start));
    }
    // A stream is recorded apart from the called tools; the test speaks for it with feed() and end().
    RunningTool* streamTool(
        const ToolStart& start, QObject* receiver, OutputHandler onOutput, AnswerHandler onEnd) override
    {
        // The install helper is a part of the program, not a tool: it always runs.
        if (forwardTools || start.words.value(0) == ToolsHelper::program())
            return m_system.streamTool(start, receiver, std::move(onOutput), std::move(onEnd));
        auto* running = new RunningTool(receiver);
        streams.append({start, running, std::move(onOutput), std::move(onEnd)});
        return running;
    }
    void feed(int index, const QByteArray& bytes)
    {
        if (streams.at(index).running)
            streams.at(index).onOutput(bytes);
    }
    void end(int index, const ToolAnswer& answer = ToolAnswer::exited(0, {}))
    {
        if (streams.at(index).running)
            streams.at(index).onEnd(answer);
    }
    // A knock is recorded as "host:port" and answered from the event loop: listening when the test
    // says so.
    void probe(const QString& host, quint16 port, int timeoutMs, QObject* receiver,
        std::function<void(bool listening)> onAnswer) override
    {
        if (forwardTools)
            return m_system.probe(host, port, timeoutMs, receiver, std::move(onAnswer));
        const QString address = host + QLatin1Char(':') + QString::number(port);
        knocks.append(address);
        QTimer::singleShot(0, receiver, [this, address, onAnswer] { onAnswer(listening.contains(address)); });
    }
    void openWebAddress(const QString& address) override { addresses.append(address); }
    void showMessage(const QString& text, const QString& title, Icon icon) override
    {
        messages.append({text, title, icon});
        if (onMessage)
            onMessage();
    }
    QString chooseFile(const QString&, const QString&) override
    {
        ++fileChoices;
        return chosenFile;
    }
    QStringList chooseFiles(const QString&) override
    {
        ++fileChoices;
        return chosenFiles;
    }
    void endProgram(int exitStatus) override
    {
        ++programEnds;
        lastExitStatus = exitStatus;
    }

    // The canned answer: a phone's serial number as set for its name; else answerFor if set, else the
    // answer set for the command's subcommand (the first word after the tool's options), else
    // success with no output.
    ToolAnswer answerFor(const ToolStart& start) const
    {
        // A phone tells no serial number unless the test gives it one.
        if (start.words.endsWith(QStringLiteral("ro.serialno")) && start.words.value(1) == QLatin1String("-s"))
            return ToolAnswer::exited(0, serialNumbers.value(start.words.value(2)).toUtf8() + "\n");
        if (answerer)
            return answerer(start);
        return answers.value(subcommandOf(start.words), ToolAnswer::exited(0, {}));
    }
    static QString subcommandOf(const QStringList& words)
    {
        for (qsizetype i = 1; i < words.size(); ++i) {
            if (words[i] == QLatin1String("-s")) {
                ++i;
                continue;
            }
            if (!words[i].startsWith(QLatin1Char('-')))
                return words[i];
        }
        return {};
    }

    // Forgets the calls made since there were so many, as though they had not been made; their
    // answers, when not held, still come.
    void forgetSince(qsizetype startCount, qsizetype pendingCount)
    {
        starts.resize(startCount);
        pending.resize(pendingCount);
    }

    // Hands a held call its answer, from the event loop.
    void answer(int index, const ToolAnswer& answer) { deliver(index, answer); }
    // Runs the event loop until every answer on its way has been handed over, the ones that the
    // answered handlers call for included.
    void settle(int timeoutMs = 20000)
    {
        QElapsedTimer clock;
        clock.start();
        while (*m_outstanding > 0 && clock.elapsed() < timeoutMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        // What the last handlers left for after their return (a message, a decision).
        QCoreApplication::processEvents();
    }

    // The started command lines, each as its words joined by single blanks.
    QStringList lines() const
    {
        QStringList result;
        for (const ToolStart& start : starts)
            result.append(start.words.join(QLatin1Char(' ')));
        return result;
    }
    QStringList messageTexts() const
    {
        QStringList result;
        for (const Message& message : messages)
            result.append(message.text);
        return result;
    }
    void clear()
    {
        starts.clear();
        pending.clear();
        addresses.clear();
        messages.clear();
        programEnds = 0;
    }

    QList<ToolStart> starts;
    QList<PendingCall> pending;
    QList<Stream> streams;
    QList<AnswerHandler> clientEnds; // each started tool's end, for endClient()
    QStringList addresses;
    QStringList knocks; // the addresses knocked at
    QSet<QString> listening; // those that answer a knock
    QList<Message> messages;
    int programEnds = 0;
    int lastExitStatus = -1;
    QString chosenFile; // what the file dialog answers
    QStringList chosenFiles; // what the dialog for several files answers
    int fileChoices = 0;
    QString startProblem; // a detached start fails with this reason unless it is empty
    bool forwardTools = false;
    bool holdAnswers = false;
    QMap<QString, ToolAnswer> answers;
    QMap<QString, QString> serialNumbers; // the serial number the phone under each name tells
    std::function<ToolAnswer(const ToolStart&)> answerer;
    std::function<void()> onMessage;
    std::function<void(const ToolStart&)> onStart;

private:
    void record(const ToolStart& start)
    {
        starts.append(start);
        if (onStart)
            onStart(start);
    }
    void deliver(qsizetype index, const ToolAnswer& answer)
    {
        const PendingCall call = pending.at(index);
        ++*m_outstanding;
        QTimer::singleShot(0, &m_context, [outstanding = m_outstanding, call, answer] {
            --*outstanding;
            if (call.receiver && call.onAnswer)
                call.onAnswer(answer);
        });
    }

    std::shared_ptr<int> m_outstanding = std::make_shared<int>(0);
    QObject m_context; // answers not yet handed over go with the recorder
    SystemOutside m_system;
};
