#include "ToolsHelper.h"

#include "bridge/HelperProgram.h"

#include "ToolsRoot.h"
#include "bridge/Language.h"
#include "bridge/Outside.h"
#include "bridge/ToolAnswer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ToolsHelper::ToolsHelper(const ToolsRelease& release, const QString& root, QObject* parent)
    : QObject(parent)
    , m_release(release)
    , m_root(root)
{
}

QString ToolsHelper::program()
{
    return HelperProgram::path();
}

void ToolsHelper::setProgramForTests(const QString& program)
{
    HelperProgram::setPathForTests(program);
}

bool ToolsHelper::busy() const
{
    return !m_helper.isNull();
}

void ToolsHelper::download()
{
    start(InstallStage::Connecting, {QStringLiteral("--download")});
}

void ToolsHelper::installFile(const QString& archive)
{
    start(InstallStage::Copying, {QStringLiteral("--file"), archive});
}

void ToolsHelper::start(InstallStage first, const QStringList& what)
{
    if (busy())
        return;
    m_pending.clear();
    m_finished.reset();
    Outside::ToolStart start;
    start.words
        = QStringList {program(), QStringLiteral("--root"), m_root, QStringLiteral("--address"),
              m_release.address.toString(QUrl::FullyEncoded), QStringLiteral("--sha256"),
              QString::fromLatin1(m_release.sha256), QStringLiteral("--folder"), m_release.topFolder,
              QStringLiteral("--size-limit"), QString::number(m_release.sizeLimit), QStringLiteral("--stall-limit-ms"),
              QString::number(m_release.stallLimitMs), QStringLiteral("--language"), Language::inUse()}
        + what;
    start.inputOpen = true;
    // Said before the helper has started, so the window shows at once that something is under way.
    emit stageChanged(first);
    m_helper = Outside::current().streamTool(
        start, this, [this](const QByteArray& output) { take(output); },
        [this](const ToolAnswer& answer) { ended(answer); });
}

void ToolsHelper::cancel()
{
    if (m_helper)
        m_helper->closeInput();
}

void ToolsHelper::take(const QByteArray& output)
{
    m_pending += output;
    qsizetype end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const InstallReport::Line line = InstallReport::read(m_pending.left(end));
        m_pending.remove(0, end + 1);
        if (line.stage)
            emit stageChanged(*line.stage);
        if (line.progress)
            emit progress(line.progress->first, line.progress->second);
        if (line.finished && !m_finished)
            m_finished = line.finished;
    }
}

// The end is told once the helper has ended, so a new install never meets the last one's helper.
void ToolsHelper::ended(const ToolAnswer& answer)
{
    m_helper->deleteLater();
    m_helper = nullptr;
    if (m_finished) {
        emit finished(*m_finished);
        return;
    }
    if (answer.outcome == ToolAnswer::Outcome::Missing || answer.outcome == ToolAnswer::Outcome::FailedToStart) {
        emit finished(
            tr("无法启动安装程序 %1，没有安装任何东西。%2").arg(QDir::toNativeSeparators(program()), answer.problem));
        return;
    }
    // Killed or crashed: what it was writing (a part of the archive, a half-unpacked folder, tens of
    // megabytes) is removed now, not left until some later install.
    const QString ending = tr("安装程序意外结束（状态 %1），没有安装任何东西。").arg(answer.exitCode);
    emit finished(ToolsRoot::sweepLeftovers(m_root) ? ending + tr("它留下的未完成文件已删除。") : ending);
}
