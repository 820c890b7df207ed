#include "CommandRunner.h"

#include "AdbCommands.h"
#include "BridgeLog.h"
#include "Paths.h"
#include "ToolLocator.h"

#include <QDir>
#include <QPointer>

namespace CommandRunner {

namespace {

int limitOverride = 0;
// Who hears of a call that found its phone gone, and how; nobody once that object is gone.
struct
{
    QPointer<QObject> hearer;
    std::function<void(const QString&)> tell;
} dropWitness;

Outside::ToolStart toolStart(const ToolCommand& command, Streams streams)
{
    Outside::ToolStart start;
    start.words = command.words;
    start.secretWords = command.secretWords;
    start.workingFolder = Paths::outputFolder();
    start.mergeErrors = streams == Streams::Merged;
    start.timeLimitMs = timeLimitMs();
    return start;
}

// The client starts the bridge tool itself; told which one, it never runs another version of it
// against the same server (each would kill the other's server).
void tellClientTheBridge(Outside::ToolStart& start)
{
    if (const QString adb = ToolLocator::locate(QStringLiteral("adb")); !adb.isEmpty())
        start.environment.insert(QStringLiteral("ADB"), QDir::toNativeSeparators(adb));
}

} // namespace

int timeLimitMs()
{
    return limitOverride > 0 ? limitOverride : TimeLimitMs;
}

void setTimeLimitForTests(int ms)
{
    limitOverride = ms;
}

void setDropWitness(QObject* hearer, std::function<void(const QString&)> witness)
{
    dropWitness.hearer = hearer;
    dropWitness.tell = std::move(witness);
}

void call(const ToolCommand& command, QObject* receiver, Outside::AnswerHandler onAnswer, Streams streams)
{
    const Outside::ToolStart start = toolStart(command, streams);
    qCInfo(lcBridge) << "call" << start.loggedWords() << "in" << start.workingFolder;
    // A key, a screenshot or a maker query for a phone that the bridge holds offline or knows no more
    // witnesses its drop, whoever called.
    const QStringList& words = command.words;
    if (words.size() > 2 && words[0] == QLatin1String("adb") && words[1] == QLatin1String("-s")) {
        onAnswer = [serial = words[2], onAnswer = std::move(onAnswer)](const ToolAnswer& answer) {
            if (dropWitness.hearer && AdbCommands::saysDeviceGone(answer))
                dropWitness.tell(serial);
            onAnswer(answer);
        };
    }
    Outside::current().callTool(start, receiver, std::move(onAnswer));
}

void callClient(const ToolCommand& command, QObject* receiver, Outside::AnswerHandler onAnswer)
{
    Outside::ToolStart start = toolStart(command, Streams::Merged);
    tellClientTheBridge(start);
    qCInfo(lcBridge) << "call" << start.loggedWords() << "with" << start.environment << "in" << start.workingFolder;
    Outside::current().callTool(start, receiver, std::move(onAnswer));
}

QObject* stream(const ToolCommand& command, QObject* receiver, Outside::OutputHandler onOutput,
    Outside::AnswerHandler onEnd, Streams streams)
{
    Outside::ToolStart start = toolStart(command, streams);
    start.timeLimitMs = 0; // it runs as long as it is wanted
    qCInfo(lcBridge) << "stream" << start.loggedWords() << "in" << start.workingFolder;
    return Outside::current().streamTool(start, receiver, std::move(onOutput), std::move(onEnd));
}

bool startClient(const ToolCommand& command, const QString& logFile, QString* problem, Outside::AnswerHandler onEnd)
{
    Outside::ToolStart start = toolStart(command, Streams::Separate);
    start.logFile = logFile;
    tellClientTheBridge(start);
    qCInfo(lcBridge) << "start" << start.loggedWords() << "with" << start.environment << "in" << start.workingFolder;
    return Outside::current().startTool(start, problem, std::move(onEnd));
}

} // namespace CommandRunner
