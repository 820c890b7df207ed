#include "WirelessDebugging.h"

#include "ToolAnswer.h"
#include "ToolText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace WirelessDebugging {

namespace {

bool asciiDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

} // namespace

QString bridgeVersionText(const QStringList& lines)
{
    static const QRegularExpression versionLine(QStringLiteral("^Version (\\d+\\.\\d+(?:\\.\\d+)?\\S*)"));
    for (const QString& line : lines) {
        if (const QRegularExpressionMatch match = versionLine.match(line.trimmed()); match.hasMatch())
            return match.captured(1);
    }
    return {};
}

QVersionNumber bridgeVersion(const QStringList& lines)
{
    return QVersionNumber::fromString(bridgeVersionText(lines));
}

bool discoveryRuns(const ToolAnswer& answer)
{
    return answer.succeeded()
        && ToolText::lines(answer.output).value(0).startsWith(QLatin1String("mdns daemon version"));
}

QList<Service> services(const QStringList& lines)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QList<Service> found;
    for (const QString& line : lines) {
        // Tab-separated, an instance may hold blanks; blank-separated, the last two fields are the
        // service and the address.
        QStringList fields
            = line.contains(u'\t') ? line.split(u'\t') : line.trimmed().split(blanks, Qt::SkipEmptyParts);
        if (fields.size() < 3)
            continue;
        const QString address = fields.takeLast().trimmed();
        QString type = fields.takeLast().trimmed();
        if (type.endsWith(QLatin1Char('.')))
            type.chop(1);
        if (!type.startsWith(QLatin1String("_adb")) || address.isEmpty())
            continue;
        found.append({fields.join(QLatin1Char(' ')).trimmed(), type, address});
    }
    return found;
}

QString addressOf(const QList<Service>& services, const QString& type, const QString& instance)
{
    for (const Service& service : services) {
        if (service.type == type && service.instance == instance)
            return service.address;
    }
    return {};
}

std::optional<Paired> paired(const QStringList& lines)
{
    static const QRegularExpression success(QStringLiteral("^Successfully paired to (\\S+) \\[guid=([^\\]\\s]+)\\]$"));
    for (const QString& line : lines) {
        if (const QRegularExpressionMatch match = success.match(line.trimmed()); match.hasMatch())
            return Paired {match.captured(1), match.captured(2)};
    }
    return std::nullopt;
}

QString addressProblem(const QString& text, const QString& fieldName)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    const QString host = text.left(colon);
    const QString port = text.mid(colon + 1);
    static const QRegularExpression blank(QStringLiteral("\\s"));
    const bool fine = colon > 0 && !host.contains(blank) && asciiDigits(port) && port.size() <= 5 && port.toInt() >= 1
        && port.toInt() <= 65535;
    return fine ? QString()
                : QCoreApplication::translate(
                    "WirelessDebugging", "“%1”应为 IP地址:端口（例如 192.168.1.23:37123），端口为 1–65535！")
                      .arg(fieldName);
}

QString codeProblem(const QString& text, const QString& fieldName)
{
    return text.size() == 6 && asciiDigits(text)
        ? QString()
        : QCoreApplication::translate("WirelessDebugging", "“%1”应为手机上显示的六位数字！").arg(fieldName);
}

QString qrText(const QString& name, const QString& password)
{
    return QStringLiteral("WIFI:T:ADB;S:%1;P:%2;;").arg(name, password);
}

} // namespace WirelessDebugging
