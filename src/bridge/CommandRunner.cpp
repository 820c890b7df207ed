#include "CommandRunner.h"

#include "BridgeLog.h"
#include "Outside.h"
#include "Paths.h"

#include <QProcess>
#include <QThread>

#include <functional>

namespace CommandRunner {

namespace {
std::function<void(int)> waiterOverride;
}

bool run(const QString& commandText, ResultFile resultFile)
{
    Outside::ToolStart start;
    start.words = QProcess::splitCommand(commandText);
    start.workingFolder = Paths::outputFolder();
    start.standardOutputFile = ResultFiles::path(resultFile);
    qCInfo(lcBridge) << "run" << start.words << "in" << start.workingFolder
                     << (start.standardOutputFile.isEmpty() ? QString() : "> " + start.standardOutputFile);
    return Outside::current().startTool(start);
}

void waitMs(int ms)
{
    if (waiterOverride)
        waiterOverride(ms);
    else
        QThread::msleep(static_cast<unsigned long>(ms));
}

void setWaiter(std::function<void(int)> waiter)
{
    waiterOverride = std::move(waiter);
}

} // namespace CommandRunner
