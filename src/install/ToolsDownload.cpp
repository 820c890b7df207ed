#include "ToolsDownload.h"

#include "ToolsArchive.h"
#include "ToolsRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryFile>

Q_LOGGING_CATEGORY(lcDownload, "pannix.tools")

namespace {

// The program's own words for what the network said; Qt's detail follows them.
const char* reason(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::HostNotFoundError:
        return QT_TRANSLATE_NOOP("ToolsDownload", "找不到下载服务器，请检查网络连接");
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
        return QT_TRANSLATE_NOOP("ToolsDownload", "下载服务器拒绝或中断了连接");
    case QNetworkReply::TimeoutError:
        return QT_TRANSLATE_NOOP("ToolsDownload", "连接下载服务器超时");
    case QNetworkReply::SslHandshakeFailedError:
        return QT_TRANSLATE_NOOP("ToolsDownload", "无法与下载服务器建立安全连接");
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return QT_TRANSLATE_NOOP("ToolsDownload", "无法通过代理服务器连接");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return QT_TRANSLATE_NOOP("ToolsDownload", "网络连接中断了");
    default:
        return QT_TRANSLATE_NOOP("ToolsDownload", "网络出错");
    }
}

// What went wrong, as a user can act on it.
QString describe(QNetworkReply& reply)
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400)
        return QCoreApplication::translate("ToolsDownload", "服务器回答 %1 %2，没有下载到工具。")
            .arg(status)
            .arg(reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    if (reply.error() == QNetworkReply::InsecureRedirectError)
        return QCoreApplication::translate("ToolsDownload", "下载地址被转到了不加密的 http 地址，下载已停止。");
    return QCoreApplication::translate("ToolsDownload", "下载失败：%1（%2）")
        .arg(QCoreApplication::translate("ToolsDownload", reason(reply.error())), reply.errorString());
}

} // namespace

ToolsDownload::ToolsDownload(const ToolsRelease& release, const QString& folder, QObject* parent)
    : QObject(parent)
    , m_release(release)
    , m_folder(folder)
    , m_network(new QNetworkAccessManager(this))
{
    m_stall.setSingleShot(true);
    connect(&m_stall, &QTimer::timeout, this,
        [this] { fail(tr("%1 秒内没有收到任何数据，下载已停止。").arg(m_release.stallLimitMs / 1000.0)); });
}

ToolsDownload::~ToolsDownload()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void ToolsDownload::start()
{
    ToolsRoot::make(m_folder);
    m_file = std::make_unique<QTemporaryFile>(m_folder + QStringLiteral("/.download-XXXXXX.part"));
    if (!m_file->open()) {
        const QString problem = ToolsArchive::cannotWrite(m_folder, m_folder, m_file->errorString());
        m_file.reset();
        m_done = true;
        // Told from the event loop, as every other end is.
        QTimer::singleShot(0, this, [this, problem] { emit finished(problem); });
        return;
    }
    QNetworkRequest request(m_release.address);
    // The release address redirects to another host; never from https to http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    qCInfo(lcDownload) << "download" << m_release.address.toString() << "to" << m_file->fileName();
    m_reply = m_network->get(request);
    // Qt would otherwise hold whatever the socket delivers faster than it is written out.
    m_reply->setReadBufferSize(ReadBufferSize);
    // An announced length above the limit is refused before its body is read.
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_release.sizeLimit)
            fail(tr("文件超过 %1 MB，不是要下载的工具，下载已停止。").arg(m_release.sizeLimit / 1000000));
    });
    connect(m_reply, &QNetworkReply::readyRead, this, &ToolsDownload::take);
    connect(m_reply, &QNetworkReply::finished, this, &ToolsDownload::end);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64, qint64 total) {
        if (total > m_release.sizeLimit)
            fail(tr("文件超过 %1 MB，不是要下载的工具，下载已停止。").arg(m_release.sizeLimit / 1000000));
    });
    m_stall.start(m_release.stallLimitMs);
}

void ToolsDownload::cancel()
{
    fail(tr("下载已取消，没有安装任何东西。"));
}

QByteArray ToolsDownload::sha256() const
{
    return m_hash.result().toHex();
}

QString ToolsDownload::file() const
{
    return m_done && m_file ? m_file->fileName() : QString();
}

void ToolsDownload::take()
{
    if (!m_reply || m_done)
        return;
    if (const QString problem = keep(m_reply->readAll()); !problem.isEmpty()) {
        fail(problem);
        return;
    }
    m_stall.start(m_release.stallLimitMs);
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    emit progress(m_received, length.isValid() ? length.toLongLong() : -1);
}

QString ToolsDownload::keep(const QByteArray& block)
{
    m_received += block.size();
    if (m_received > m_release.sizeLimit)
        return tr("文件超过 %1 MB，不是要下载的工具，下载已停止。").arg(m_release.sizeLimit / 1000000);
    if (m_file->write(block) != block.size())
        return ToolsArchive::cannotWrite(m_folder, m_file->fileName(), m_file->errorString());
    m_hash.addData(block);
    return {};
}

void ToolsDownload::fail(const QString& problem)
{
    if (m_done)
        return;
    if (m_problem.isEmpty())
        m_problem = problem;
    if (m_reply && m_reply->isRunning())
        m_reply->abort(); // finished follows at once, and ends the download
    else
        end();
}

void ToolsDownload::end()
{
    if (m_done)
        return;
    m_stall.stop();
    QString problem = m_problem;
    if (problem.isEmpty() && m_reply && m_reply->error() != QNetworkReply::NoError)
        problem = describe(*m_reply);
    if (problem.isEmpty() && m_reply)
        problem = keep(m_reply->readAll()); // what arrived with the end
    m_done = true;
    if (problem.isEmpty() && !m_file->flush())
        problem = ToolsArchive::cannotWrite(m_folder, m_file->fileName(), m_file->errorString());
    if (!problem.isEmpty()) {
        qCWarning(lcDownload) << "download of" << m_release.address.toString() << "failed:" << problem;
        m_file.reset(); // the temporary file goes with it
    }
    if (m_reply)
        m_reply->deleteLater();
    emit finished(problem);
}
