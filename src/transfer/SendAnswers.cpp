#include "SendAnswers.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace SendAnswers {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("SendAnswers", text);
}

// The last line that says something, for a failure no rule here knows: the tool's own account of
// its steps ("Performing Push Install", "1 file pushed") is not the phone's answer.
QString lastLine(const QByteArray& output)
{
    const QList<QByteArray> lines = output.trimmed().split('\n');
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        const QByteArray said = line->trimmed();
        if (!said.isEmpty() && !said.startsWith("Performing ") && !said.contains(" pushed, "))
            return QString::fromUtf8(said);
    }
    return {};
}

struct Reason
{
    const char* code; // a word of the package manager's answer
    const char* words;
};

// The package manager's refusals people meet, each said as what to do about it.
constexpr Reason InstallReasons[] = {
    {"INSTALL_FAILED_INSUFFICIENT_STORAGE", QT_TRANSLATE_NOOP("SendAnswers", "手机空间不足")},
    {"INSTALL_FAILED_VERSION_DOWNGRADE",
        QT_TRANSLATE_NOOP("SendAnswers", "手机上已装有更新的版本，不能换成这个较旧的版本")},
    {"INSTALL_FAILED_UPDATE_INCOMPATIBLE",
        QT_TRANSLATE_NOOP("SendAnswers", "手机上已装的同名应用签名不同：先在手机上卸载它，再安装")},
    {"INSTALL_FAILED_SHARED_USER_INCOMPATIBLE",
        QT_TRANSLATE_NOOP("SendAnswers", "手机上已装的同名应用签名不同：先在手机上卸载它，再安装")},
    {"INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES",
        QT_TRANSLATE_NOOP("SendAnswers", "应用的各部分签名不一致，手机不接受")},
    {"INSTALL_PARSE_FAILED_NO_CERTIFICATES", QT_TRANSLATE_NOOP("SendAnswers", "应用没有签名证书，手机不接受")},
    {"INSTALL_FAILED_USER_RESTRICTED",
        QT_TRANSLATE_NOOP("SendAnswers",
            "手机不允许通过 USB 安装应用：请在手机的开发者选项中打开“USB 安装”（小米、OPPO、vivo "
            "等手机需要），再试一次")},
    {"INSTALL_FAILED_ABORTED", QT_TRANSLATE_NOOP("SendAnswers", "安装在手机上被取消：手机上若弹出确认，请点“允许”")},
    {"INSTALL_FAILED_OLDER_SDK", QT_TRANSLATE_NOOP("SendAnswers", "手机的 Android 版本太旧，装不了这个应用")},
    {"INSTALL_FAILED_NO_MATCHING_ABIS", QT_TRANSLATE_NOOP("SendAnswers", "这个应用不支持这台手机的处理器")},
    {"INSTALL_FAILED_INVALID_APK", QT_TRANSLATE_NOOP("SendAnswers", "这不是手机能安装的应用文件")},
    {"INSTALL_PARSE_FAILED_NOT_APK", QT_TRANSLATE_NOOP("SendAnswers", "这不是手机能安装的应用文件")},
    {"INSTALL_PARSE_FAILED_", QT_TRANSLATE_NOOP("SendAnswers", "这不是手机能安装的应用文件")},
    {"INSTALL_FAILED_MISSING_SPLIT", QT_TRANSLATE_NOOP("SendAnswers", "应用缺少它需要的部分（拆分的 APK）")},
};

} // namespace

QString phoneProblem(const QByteArray& output)
{
    if (output.contains("unauthorized"))
        return tr("手机未授权：请在手机上允许这台电脑的 USB 调试");
    if (output.contains("device offline"))
        return tr("手机已离线");
    if (output.contains("not found") && output.contains("device '"))
        return tr("手机已断开连接");
    if (output.contains("couldn't read from device") || output.contains("device disconnected")
        || output.contains("protocol fault") || output.contains("connection reset"))
        return tr("发送途中手机断开了连接");
    return {};
}

QString installProblem(const QByteArray& output)
{
    // "Failure [CODE: message]" or, from some phones, "Failure [CODE]" after "adb: failed to install".
    static const QRegularExpression failure(QStringLiteral("Failure \\[([A-Z_]+)[^\\]]*\\]"));
    const QRegularExpressionMatch match = failure.match(QString::fromUtf8(output));
    if (match.hasMatch()) {
        const QString code = match.captured(1);
        for (const Reason& reason : InstallReasons) {
            if (code.startsWith(QLatin1String(reason.code)))
                return tr("%1（%2）").arg(tr(reason.words), code);
        }
        return tr("手机拒绝安装：%1").arg(match.captured(0));
    }
    if (const QString phone = phoneProblem(output); !phone.isEmpty())
        return phone;
    static const QRegularExpression success(QStringLiteral("^Success\\s*$"), QRegularExpression::MultilineOption);
    if (success.match(QString::fromUtf8(output)).hasMatch())
        return {};
    const QString said = lastLine(output);
    return said.isEmpty() ? tr("安装没有完成，手机什么也没有回答") : tr("安装失败：%1").arg(said);
}

QString pushProblem(const QByteArray& output, bool succeeded)
{
    if (output.contains("No space left on device"))
        return tr("手机空间不足");
    if (const QString phone = phoneProblem(output); !phone.isEmpty())
        return phone;
    if (succeeded)
        return {};
    // "adb: error: failed to copy 'a' to 'b': remote Read-only file system": the phone's own reason.
    static const QRegularExpression remote(QStringLiteral("remote (.+)$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = remote.match(QString::fromUtf8(output));
    if (match.hasMatch())
        return tr("手机不接受这个文件：%1").arg(match.captured(1).trimmed());
    const QString said = lastLine(output);
    return said.isEmpty() ? tr("发送没有完成") : tr("发送失败：%1").arg(said);
}

std::optional<qint64> statedSize(const QByteArray& output)
{
    bool number = false;
    const qint64 size = output.trimmed().toLongLong(&number);
    return number && size >= 0 ? std::optional(size) : std::nullopt;
}

} // namespace SendAnswers
