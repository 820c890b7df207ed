#include "ToolsInstall.h"

#include "ToolsArchive.h"
#include "ToolsDownload.h"
#include "bridge/Paths.h"

#include <QFile>
#include <QThread>

#include <memory>

ToolsInstall::ToolsInstall(const ToolsRelease& release, QObject* parent)
    : QObject(parent)
    , m_release(release)
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

void ToolsInstall::download()
{
    if (busy())
        return;
    ToolsArchive::sweepLeftovers(Paths::toolsRoot());
    m_transfer = new ToolsDownload(m_release, Paths::toolsRoot(), this);
    connect(m_transfer, &ToolsDownload::progress, this, [this](qint64 received, qint64 total) {
        emit stageChanged(Stage::Downloading);
        emit progress(received, total);
    });
    connect(m_transfer, &ToolsDownload::finished, this, &ToolsInstall::downloaded);
    emit stageChanged(Stage::Connecting);
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
    emit stageChanged(Stage::Unpacking);
    const QString archive = m_transfer->file();
    const QString topFolder = m_release.topFolder;
    const QString root = Paths::toolsRoot();
    inBackground(
        [this, archive, topFolder, root] { return ToolsArchive::unpack(archive, topFolder, root, &m_cancelled); });
}

void ToolsInstall::installFile(const QString& archive)
{
    if (busy())
        return;
    ToolsArchive::sweepLeftovers(Paths::toolsRoot());
    emit stageChanged(Stage::Copying);
    const QString topFolder = m_release.topFolder;
    const QString root = Paths::toolsRoot();
    const qint64 limit = ToolsDownload::sizeLimit();
    inBackground([this, archive, topFolder, root, limit] {
        // What is checked is what is unpacked: the copy, never the chosen file read again.
        QString problem;
        const ToolsArchive::CheckedCopy copy
            = ToolsArchive::copyWhileHashing(archive, root, limit, &m_cancelled, &problem);
        if (!problem.isEmpty())
            return problem;
        problem = officialOrWhyNot(copy.sha256);
        if (problem.isEmpty())
            problem = ToolsArchive::unpack(copy.path, topFolder, root, &m_cancelled);
        QFile::remove(copy.path);
        return problem;
    });
}

// The copy, the check and the unpacking read and write tens of megabytes: never on the window thread.
void ToolsInstall::inBackground(std::function<QString()> work)
{
    m_cancelled = false;
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
    if (m_worker)
        m_cancelled = true;
    else if (m_transfer)
        m_transfer->cancel();
}
