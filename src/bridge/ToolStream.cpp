#include "ToolStream.h"

#include "BridgeLog.h"
#include "ProcessRelease.h"
#include "ToolLocator.h"

#include <QCoreApplication>
#include <QTimer>

ToolStream::ToolStream(const ToolStart& start, QObject* receiver, ToolOutputHandler onOutput, ToolAnswerHandler onEnd)
    : RunningTool(receiver)
    , m_process(new QProcess)
    , m_onOutput(std::move(onOutput))
    , m_onEnd(std::move(onEnd))
    , m_inputOpen(start.inputOpen)
{
    const QString program = start.words.isEmpty() ? QString() : ToolLocator::locate(start.words.first());
    if (program.isEmpty()) {
        // Reported from the event loop, as every other end is.
        QTimer::singleShot(0, this, [this] { ended(ToolAnswer::failed(ToolAnswer::Outcome::Missing)); });
        return;
    }
    connect(m_process, &QProcess::readyReadStandardOutput, this,
        [this] { m_onOutput(m_process->readAllStandardOutput()); });
    connect(m_process, &QProcess::readyReadStandardError, this, [this] { m_process->readAllStandardError(); });
    connect(m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        ToolAnswer answer = ToolAnswer::exited(exitCode, {});
        if (status == QProcess::CrashExit)
            answer.outcome = ToolAnswer::Outcome::Crashed;
        ended(answer);
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            ended(ToolAnswer::failed(ToolAnswer::Outcome::FailedToStart, m_process->errorString()));
    });
    m_process->setProgram(program);
    m_process->setArguments(start.words.mid(1));
    m_process->setWorkingDirectory(start.workingFolder);
    // A tool that tells its failures on its error stream (a newer adb's install) is read whole.
    if (start.mergeErrors)
        m_process->setProcessChannelMode(QProcess::MergedChannels);
    if (!m_inputOpen)
        m_process->setStandardInputFile(QProcess::nullDevice());
    ToolLocator::hideConsoleWindow(*m_process);
    qCInfo(lcBridge) << "stream" << start.loggedWords();
    m_process->start();
}

// Stopped with its owner: the tool is ended rather than left behind, and reports nothing more. The
// window thread does not wait for it. A tool that reads its input is told to stop by its end first,
// and given half a second to finish what it must not leave half done (a folder renamed into place).
ToolStream::~ToolStream()
{
    m_process->disconnect(this);
    ProcessRelease::release(m_process, m_inputOpen ? 500 : 0);
}

void ToolStream::closeInput()
{
    if (m_inputOpen)
        m_process->closeWriteChannel();
}

void ToolStream::ended(const ToolAnswer& answer)
{
    if (m_ended)
        return;
    m_ended = true;
    m_onEnd(answer);
}
