#include "Outside.h"

#include "BridgeLog.h"
#include "ToolCall.h"
#include "ToolLocator.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QThread>
#include <QUrl>

#include <cstdlib>

namespace {
Outside* installed = nullptr;

QMessageBox::Icon boxIcon(Outside::Icon icon)
{
    switch (icon) {
    case Outside::Icon::Stop:
        return QMessageBox::Critical;
    case Outside::Icon::Warning:
        return QMessageBox::Warning;
    case Outside::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}
} // namespace

Outside& Outside::current()
{
    static SystemOutside system;
    return installed ? *installed : system;
}

void Outside::install(Outside* replacement)
{
    installed = replacement;
}

bool SystemOutside::startTool(const ToolStart& start)
{
    if (start.words.isEmpty())
        return false;
    const QString program = ToolLocator::locate(start.words.first());
    if (program.isEmpty()) {
        qCWarning(lcBridge) << "cannot start" << start.words << "- not found in the program's folder nor on PATH";
        return false;
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments(start.words.mid(1));
    process.setWorkingDirectory(start.workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    // The tool writes its own log, so it never depends on the program for its output.
    const QString log = start.logFile.isEmpty() ? QProcess::nullDevice() : start.logFile;
    process.setStandardOutputFile(log, QIODevice::Append);
    process.setStandardErrorFile(log, QIODevice::Append);
    ToolLocator::hideConsoleWindow(process);
    if (!process.startDetached()) {
        qCWarning(lcBridge) << "cannot start" << start.words << "-" << process.errorString();
        return false;
    }
    return true;
}

void SystemOutside::callTool(const ToolStart& start, QObject* receiver, AnswerHandler onAnswer)
{
    (new ToolCall(start, receiver, std::move(onAnswer)))->start();
}

void SystemOutside::openWebAddress(const QString& address)
{
    qCInfo(lcBridge) << "open" << address;
    QDesktopServices::openUrl(QUrl(address));
}

void SystemOutside::showMessage(const QString& text, const QString& title, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void SystemOutside::endProgram(int exitStatus)
{
    // Mirroring clients are detached and keep running whichever way the program ends; called
    // tools end with it.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(exitStatus);
    else
        std::exit(exitStatus);
}
