#pragma once

#include "InstallReport.h"
#include "ToolsRelease.h"

#include <QObject>
#include <QPointer>

#include <optional>

class RunningTool;
struct ToolAnswer;

// An install of the tools as the window starts it: run by the helper program beside this one, which
// alone loads the network and archive code, and which keeps the reading of an archive from the
// internet out of this process. It is handed the release and the tools' root on its command line and
// tells its stage, progress and end on its output; "cancel" closes its input.
class ToolsHelper : public QObject
{
    Q_OBJECT

public:
    ToolsHelper(const ToolsRelease& release, const QString& root, QObject* parent = nullptr);

    void download();
    void installFile(const QString& archive);
    void cancel();
    bool busy() const;

    // Where the helper is looked for: beside this program, or in the library folder a Linux
    // package puts it in.
    static QString program();
    static void setProgramForTests(const QString& program);

signals:
    void stageChanged(InstallStage stage);
    void progress(qint64 received, qint64 total); // total is -1 while unknown
    // problem is empty when the tools are installed.
    void finished(const QString& problem);

private:
    void start(InstallStage first, const QStringList& what);
    void take(const QByteArray& output);
    void ended(const ToolAnswer& answer);

    ToolsRelease m_release;
    QString m_root;
    QPointer<RunningTool> m_helper;
    QByteArray m_pending; // output short of a whole line
    std::optional<QString> m_finished; // the end the helper told, its problem or empty
};
