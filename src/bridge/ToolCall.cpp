#include "ToolCall.h"

#include "ProcessRelease.h"

#include "BridgeLog.h"
#include "ToolLocator.h"

#include <QCoreApplication>

ToolCall::ToolCall(const ToolStart& start, QObject* receiver, ToolAnswerHandler onAnswer)
    : QObject(QCoreApplication::instance()) // a call still running when the program ends is stopped with it
    , m_start(start)
    , m_receiver(receiver)
    , m_onAnswer(std::move(onAnswer))
    , m_process(new QProcess)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &ToolCall::timeLimitReached);
    connect(m_process, &QProcess::readyReadStandardOutput, this,
        [this] { keep(m_output, m_process->readAllStandardOutput()); });
    connect(m_process, &QProcess::readyReadStandardError, this,
        [this] { keep(m_errors, m_process->readAllStandardError()); });
    connect(m_process, &QProcess::finished, this, &ToolCall::processFinished);
    connect(m_process, &QProcess::errorOccurred, this, &ToolCall::processFailed);
}

// A call is only destroyed with its tool still running when the program itself ends: the tool is
// stopped then rather than left behind.
ToolCall::~ToolCall()
{
    m_process->disconnect(this);
    ProcessRelease::release(m_process);
}

void ToolCall::start()
{
    const QString program = m_start.words.isEmpty() ? QString() : ToolLocator::locate(m_start.words.first());
    if (program.isEmpty()) {
        qCWarning(lcBridge) << "cannot start" << m_start.loggedWords()
                            << "- not found in the program's folder nor on PATH";
        // Handed over from the event loop, as every other answer is.
        QTimer::singleShot(0, this, [this] { answer(ToolAnswer::failed(ToolAnswer::Outcome::Missing)); });
        return;
    }
    m_process->setProgram(program);
    m_process->setArguments(m_start.words.mid(1));
    m_process->setWorkingDirectory(m_start.workingFolder);
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setProcessChannelMode(m_start.mergeErrors ? QProcess::MergedChannels : QProcess::SeparateChannels);
    ToolLocator::hideConsoleWindow(*m_process);
    if (m_start.timeLimitMs > 0)
        m_deadline.start(m_start.timeLimitMs);
    m_process->start();
}

void ToolCall::keep(QByteArray& kept, QByteArray&& arrived)
{
    const qsizetype room = OutputCap - kept.size();
    if (room > 0)
        kept.append(arrived.left(room));
}

void ToolCall::processFinished(int exitCode, QProcess::ExitStatus status)
{
    keep(m_output, m_process->readAllStandardOutput());
    if (!m_start.mergeErrors)
        keep(m_errors, m_process->readAllStandardError());
    ToolAnswer result = ToolAnswer::exited(exitCode, m_output, m_errors);
    if (m_timedOut)
        result.outcome = ToolAnswer::Outcome::TimedOut;
    else if (status == QProcess::CrashExit)
        result.outcome = ToolAnswer::Outcome::Crashed;
    answer(result);
}

void ToolCall::processFailed(QProcess::ProcessError error)
{
    // Every other error is followed by finished(), which answers.
    if (error != QProcess::FailedToStart)
        return;
    qCWarning(lcBridge) << "cannot start" << m_start.loggedWords() << "-" << m_process->errorString();
    answer(ToolAnswer::failed(ToolAnswer::Outcome::FailedToStart, m_process->errorString()));
}

void ToolCall::timeLimitReached()
{
    qCWarning(lcBridge) << "stopped" << m_start.loggedWords() << "at its limit of" << m_start.timeLimitMs << "ms";
    m_timedOut = true;
    m_process->kill();
}

void ToolCall::answer(const ToolAnswer& result)
{
    if (m_answered)
        return;
    m_answered = true;
    m_deadline.stop();
    qCInfo(lcBridge) << "answered" << m_start.words.value(0) << m_start.words.value(1) << "outcome"
                     << int(result.outcome) << "exit" << result.exitCode;
    if (m_receiver && m_onAnswer)
        m_onAnswer(result);
    deleteLater();
}
