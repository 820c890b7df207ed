#include "SystemOutside.h"

#include "BridgeLog.h"
#include "ThisSystem.h"
#include "ToolCall.h"
#include "ToolLocator.h"
#include "ToolStream.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QSet>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <cstdlib>

namespace {

// The watchers of the tools still running. They belong to no object, so the program's end neither
// waits for their tools nor stops them; held here (a set never destroyed, as they are not), one still
// running then is known, not lost.
QSet<QProcess*>& watchedTools()
{
    static auto* running = new QSet<QProcess*>;
    return *running;
}

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

namespace {

// The tool's process made ready to start: its program, arguments, folder and environment, no input,
// and its output appended to its own log.
void prepare(QProcess& process, const ToolStart& start, const QString& program, const QString& log)
{
    process.setProgram(program);
    process.setArguments(start.words.mid(1));
    process.setWorkingDirectory(start.workingFolder);
    if (!start.environment.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (auto variable = start.environment.cbegin(); variable != start.environment.cend(); ++variable)
            environment.insert(variable.key(), variable.value());
        process.setProcessEnvironment(environment);
    }
    process.setStandardInputFile(QProcess::nullDevice());
    // The tool writes its own log, so it never depends on the program for its output.
    process.setStandardOutputFile(log, QIODevice::Append);
    process.setStandardErrorFile(log, QIODevice::Append);
    ToolLocator::hideConsoleWindow(process);
}

// Watched to its end by a process object that belongs to nothing: nothing deletes it while the
// tool runs, so the program ending first neither waits for it nor stops it.
void startWatched(const ToolStart& start, const QString& program, const QString& log, ToolAnswerHandler onEnd)
{
    auto* process = new QProcess;
    watchedTools().insert(process);
    prepare(*process, start, program, log);
    QObject::connect(
        process, &QProcess::errorOccurred, process, [process, onEnd, program](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return; // every other error is followed by finished()
            onEnd(ToolAnswer::failed(ToolAnswer::Outcome::FailedToStart,
                QCoreApplication::translate("Outside", "%1：%2")
                    .arg(QDir::toNativeSeparators(program), process->errorString())));
            watchedTools().remove(process);
            process->deleteLater();
        });
    QObject::connect(
        process, &QProcess::finished, process, [process, onEnd](int exitCode, QProcess::ExitStatus status) {
            ToolAnswer answer = ToolAnswer::exited(exitCode, {});
            if (status == QProcess::CrashExit)
                answer.outcome = ToolAnswer::Outcome::Crashed;
            onEnd(answer);
            watchedTools().remove(process);
            process->deleteLater();
        });
    process->start();
}

} // namespace

bool SystemOutside::startTool(const ToolStart& start, QString* problem, AnswerHandler onEnd)
{
    const auto refuse = [&](const QString& why) {
        qCWarning(lcBridge) << "cannot start" << start.loggedWords() << "-" << why;
        if (problem)
            *problem = why;
        return false;
    };
    if (start.words.isEmpty())
        return refuse(QCoreApplication::translate("Outside", "没有要启动的程序。"));
    const QString tool = start.words.first();
    const QString program = ToolLocator::locate(tool);
    if (program.isEmpty())
        return refuse(ToolLocator::whyNotFound(tool));
    // The log is opened here first, so a folder that cannot be written is told as such rather
    // than as a tool that failed to start.
    const QString log = start.logFile.isEmpty() ? QProcess::nullDevice() : start.logFile;
    if (!start.logFile.isEmpty()) {
        QFile file(log);
        if (!file.open(QIODevice::Append))
            return refuse(QCoreApplication::translate("Outside", "无法写入它的记录文件 %1：%2")
                              .arg(QDir::toNativeSeparators(log), file.errorString()));
    }
    if (onEnd) {
        startWatched(start, program, log, onEnd);
        return true;
    }
    QProcess process;
    prepare(process, start, program, log);
    if (!process.startDetached())
        return refuse(QCoreApplication::translate("Outside", "%1：%2")
                          .arg(QDir::toNativeSeparators(program), process.errorString()));
    return true;
}

// The knock's socket is watched from the event loop: writable once the connection is made or
// refused. Told once, whichever comes first: that, or the time limit.
void SystemOutside::probe(
    const QString& host, quint16 port, int timeoutMs, QObject* receiver, std::function<void(bool listening)> onAnswer)
{
    auto* knock = new QObject(receiver);
    const qintptr socket = ThisSystem::beginKnock(host, port);
    const auto tell = [knock, socket, onAnswer](bool listening) {
        if (knock->property("told").toBool())
            return;
        knock->setProperty("told", true);
        // The watch ends before its socket is closed.
        for (auto* writable : knock->findChildren<QSocketNotifier*>())
            writable->setEnabled(false);
        if (socket >= 0)
            ThisSystem::endKnock(socket);
        knock->deleteLater();
        onAnswer(listening);
    };
    if (socket < 0) {
        QTimer::singleShot(0, knock, [tell] { tell(false); });
        return;
    }
    auto* writable = new QSocketNotifier(socket, QSocketNotifier::Write, knock);
    QObject::connect(
        writable, &QSocketNotifier::activated, knock, [socket, tell] { tell(ThisSystem::knockAnswered(socket)); });
    QTimer::singleShot(timeoutMs, knock, [tell] { tell(false); });
}

void SystemOutside::callTool(const ToolStart& start, QObject* receiver, AnswerHandler onAnswer)
{
    (new ToolCall(start, receiver, std::move(onAnswer)))->start();
}

RunningTool* SystemOutside::streamTool(
    const ToolStart& start, QObject* receiver, OutputHandler onOutput, AnswerHandler onEnd)
{
    return new ToolStream(start, receiver, std::move(onOutput), std::move(onEnd));
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

QString SystemOutside::chooseFile(const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QDir::homePath(), filter);
}

QStringList SystemOutside::chooseFiles(const QString& title)
{
    return QFileDialog::getOpenFileNames(QApplication::activeWindow(), title, QDir::homePath());
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
