#pragma once

#include "InstallReport.h"
#include "ToolsRelease.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <optional>

class QThread;
class ToolsDownload;

// One install of the official tools, without a window: the release downloaded, or a chosen file
// copied while it is hashed; then the one check that it is the official file; then the unpacking into
// the tools folder. The transfer runs on the network's events, the copy and the unpacking on a worker
// thread; "cancel" is honoured between two blocks of each. A window shows its stage and progress.
class ToolsInstall : public QObject
{
    Q_OBJECT

public:
    // Installs into root (the tools' root folder), as release/topFolder.
    ToolsInstall(const ToolsRelease& release, const QString& root, QObject* parent = nullptr);
    // A worker still at work is stopped between two blocks first.
    ~ToolsInstall() override;

    void download();
    void installFile(const QString& archive);
    void cancel();
    bool busy() const;

signals:
    void stageChanged(InstallStage stage);
    void progress(qint64 received, qint64 total); // total is -1 while unknown
    // problem is empty when the tools are installed.
    void finished(const QString& problem);

private:
    // Told once per stage, however many blocks it takes.
    void enter(InstallStage stage);
    void downloaded(const QString& problem);
    void inBackground(std::function<QString()> work);
    // The one check, for a downloaded and a chosen file alike.
    QString officialOrWhyNot(const QByteArray& sha256) const;

    ToolsRelease m_release;
    QString m_root;
    std::optional<InstallStage> m_stage;
    QPointer<ToolsDownload> m_transfer;
    QThread* m_worker = nullptr;
    std::atomic_bool m_cancelled {false};
};
