#include "SplitAppUnpack.h"

#include "bridge/AppArchiveReport.h"
#include "bridge/HelperProgram.h"
#include "bridge/Language.h"
#include "bridge/Outside.h"
#include "bridge/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTimer>

SplitAppUnpack::SplitAppUnpack(const QString& archive, QObject* parent)
    : QObject(parent)
{
    QDir().mkpath(Paths::cacheFolder());
    m_folder = std::make_unique<QTemporaryDir>(Paths::cacheFolder() + QStringLiteral("/split-app-XXXXXX"));
    if (!m_folder->isValid()) {
        const QString why = m_folder->errorString();
        QTimer::singleShot(0, this, [this, why] { finish(tr("无法创建临时文件夹：%1").arg(why)); });
        return;
    }
    ToolStart start;
    start.words = {HelperProgram::path(), QStringLiteral("--unpack-app"), archive, QStringLiteral("--into"),
        m_folder->path(), QStringLiteral("--language"), Language::inUse()};
    start.inputOpen = true;
    m_helper = Outside::current().streamTool(
        start, this, [this](const QByteArray& output) { take(output); },
        [this](const ToolAnswer& answer) { ended(answer); });
}

SplitAppUnpack::~SplitAppUnpack()
{
    delete m_helper; // stopped before its folder goes
}

void SplitAppUnpack::cancel()
{
    delete m_helper;
    if (!done())
        finish(tr("已取消。"));
}

void SplitAppUnpack::take(const QByteArray& output)
{
    m_pending += output;
    qsizetype end = 0;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const AppArchiveReport::Line line = AppArchiveReport::read(m_pending.left(end));
        m_pending.remove(0, end + 1);
        // Only what lies in the folder given is taken: the helper's word is not trusted further.
        const auto inFolder = [this](const QString& path) {
            return QDir::cleanPath(path).startsWith(QDir::cleanPath(m_folder->path()) + QLatin1Char('/'));
        };
        if (line.split && inFolder(*line.split))
            m_splits.append(*line.split);
        // The package names a folder on the phone: nothing but a package's name is taken for it.
        static const QRegularExpression package(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*(\\.[A-Za-z][A-Za-z0-9_]*)+$"));
        if (line.obb && inFolder(*line.obb) && package.match(line.package).hasMatch()) {
            m_obbs.append(*line.obb);
            m_package = line.package;
        }
        if (line.finished)
            finish(*line.finished);
    }
}

void SplitAppUnpack::ended(const ToolAnswer& answer)
{
    if (done())
        return;
    if (answer.outcome == ToolAnswer::Outcome::Missing || answer.outcome == ToolAnswer::Outcome::FailedToStart)
        finish(tr("无法启动 %1：%2").arg(QDir::toNativeSeparators(HelperProgram::path()), answer.problem));
    else
        finish(tr("解开应用压缩包的程序意外结束了。"));
}

void SplitAppUnpack::finish(const QString& problem)
{
    if (done())
        return;
    m_problem = problem;
    if (problem.isEmpty() && m_splits.isEmpty())
        m_problem = tr("应用压缩包中没有 .apk 文件。");
    emit finished();
}
