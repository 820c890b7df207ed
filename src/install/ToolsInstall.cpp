#include "ToolsInstall.h"

#include "ToolsArchive.h"
#include "ToolsDownload.h"
#include "ToolsRoot.h"

#include <QFile>
#include <QThread>

#include <memory>

ToolsInstall::ToolsInstall(const ToolsRelease& release, const QString& root, QObject* parent)
    : QObject(parent)
    , m_release(release)
    , m_root(root)
{
}

ToolsInstall::~ToolsInstall()
{
    if (m_worker) {
        m_cancelled = true;
        m_worker->wait();
    }
}

bool ToolsInstall::busy() const
{
    return m_transfer || m_worker;
}

QString ToolsInstall::officialOrWhyNot(const QByteArray& sha256) const
{
    return sha256 == m_release.sha256 ? QString()
                                      : tr("这个文件不是官方发布的文件（SHA-256 不符），没有安装任何东西。");
}

void ToolsInstall::enter(InstallStage stage)
{
    if (m_stage == stage)
        return;
    m_stage = stage;
    emit stageChanged(stage);
}

void ToolsInstall::download()
{
    if (busy())
        return;
    m_stage.reset();
    m_cancelled = false;
    ToolsRoot::sweepLeftovers(m_root);
    m_transfer = new ToolsDownload(m_release, m_root, this);
    connect(m_transfer, &ToolsDownload::progress, this, [this](qint64 received, qint64 total) {
        enter(InstallStage::Downloading);
        emit progress(received, total);
    });
    connect(m_transfer, &ToolsDownload::finished, this, &ToolsInstall::downloaded);
    enter(InstallStage::Connecting);
    m_transfer->start();
}

void ToolsInstall::downloaded(const QString& problem)
{
    const QString refused = problem.isEmpty() ? officialOrWhyNot(m_transfer->sha256()) : problem;
    if (!refused.isEmpty()) {
        m_transfer->deleteLater(); // and the downloaded file with it
        m_transfer = nullptr;
        emit finished(refused);
        return;
    }
    enter(InstallStage::Unpacking);
    const QString archive = m_transfer->file();
    const QString topFolder = m_release.topFolder;
    const QString root = m_root;
    inBackground(
        [this, archive, topFolder, root] { return ToolsArchive::unpack(archive, topFolder, root, &m_cancelled); });
}

void ToolsInstall::installFile(const QString& archive)
{
    if (busy())
        return;
    m_stage.reset();
    m_cancelled = false;
    ToolsRoot::sweepLeftovers(m_root);
    enter(InstallStage::Copying);
    const QString topFolder = m_release.topFolder;
    const QString root = m_root;
    const qint64 limit = m_release.sizeLimit;
    inBackground([this, archive, topFolder, root, limit] {
        // What is checked is what is unpacked: the copy, never the chosen file read again.
        QString problem;
        const ToolsArchive::CheckedCopy copy
            = ToolsArchive::copyWhileHashing(archive, root, limit, &m_cancelled, &problem);
        if (!problem.isEmpty())
            return problem;
        problem = officialOrWhyNot(copy.sha256);
        if (problem.isEmpty()) {
            QMetaObject::invokeMethod(this, [this] { enter(InstallStage::Unpacking); });
            problem = ToolsArchive::unpack(copy.path, topFolder, root, &m_cancelled);
        }
        QFile::remove(copy.path);
        return problem;
    });
}

// The copy, the check and the unpacking read and write tens of megabytes: never on the window thread.
void ToolsInstall::inBackground(std::function<QString()> work)
{
    auto result = std::make_shared<QString>();
    m_worker = QThread::create([work = std::move(work), result] { *result = work(); });
    connect(m_worker, &QThread::finished, this, [this, result] {
        m_worker->deleteLater();
        m_worker = nullptr;
        if (m_transfer) {
            m_transfer->deleteLater(); // and the downloaded archive with it
            m_transfer = nullptr;
        }
        emit finished(*result);
    });
    m_worker->start();
}

void ToolsInstall::cancel()
{
    m_cancelled = true; // heard by a worker, or by one about to start
    if (m_transfer && !m_worker)
        m_transfer->cancel();
}
