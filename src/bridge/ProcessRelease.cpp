#include "ProcessRelease.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

namespace ProcessRelease {

void release(QProcess* process, int graceMs)
{
    if (process->state() == QProcess::NotRunning) {
        delete process;
        return;
    }
    process->setParent(QCoreApplication::instance());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    if (graceMs <= 0) {
        process->kill();
        return;
    }
    process->closeWriteChannel();
    QTimer::singleShot(graceMs, process, [process] { process->kill(); });
}

} // namespace ProcessRelease
