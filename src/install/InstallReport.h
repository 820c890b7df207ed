#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cmath>
#include <optional>

// The stages of an install of the tools, and how the helper program that runs it tells them to the
// window: one JSON object per line on its standard output, the same words read on both sides.
enum class InstallStage { Connecting, Downloading, Copying, Unpacking };

namespace InstallReport {

inline const char* const StageNames[] = {"connecting", "downloading", "copying", "unpacking"};

struct Line
{
    std::optional<InstallStage> stage;
    std::optional<std::pair<qint64, qint64>> progress; // received, total (-1 while unknown)
    std::optional<QString> finished; // the problem, empty when the tools are installed
};

inline QByteArray written(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

inline QByteArray stage(InstallStage stage)
{
    return written({{QStringLiteral("stage"), QLatin1String(StageNames[int(stage)])}});
}

inline QByteArray progress(qint64 received, qint64 total)
{
    return written({{QStringLiteral("received"), received}, {QStringLiteral("total"), total}});
}

inline QByteArray finished(const QString& problem)
{
    return written({{QStringLiteral("finished"), problem}});
}

// A count of bytes as a number of the line: a whole number from least on, exactly as JSON's numbers
// hold it; anything else (a fraction, a sign, a number past any file) is none.
inline std::optional<qint64> byteCount(const QJsonValue& value, qint64 least)
{
    constexpr double Exact = 9007199254740992.0; // 2^53
    const double number = value.toDouble(std::nan(""));
    if (!(number >= double(least) && number <= Exact) || std::floor(number) != number)
        return std::nullopt;
    return qint64(number);
}

// One line as the helper wrote it; a line that is none of these reads as an empty Line.
inline Line read(const QByteArray& text)
{
    const QJsonObject object = QJsonDocument::fromJson(text).object();
    Line line;
    const QString stageName = object.value(QStringLiteral("stage")).toString();
    for (int i = 0; i < int(std::size(StageNames)); ++i) {
        if (stageName == QLatin1String(StageNames[i]))
            line.stage = InstallStage(i);
    }
    // Both counts, as progress() writes them; the total is -1 while unknown.
    const auto received = byteCount(object.value(QStringLiteral("received")), 0);
    const auto total = byteCount(object.value(QStringLiteral("total")), -1);
    if (received && total)
        line.progress = std::pair(*received, *total);
    if (object.value(QStringLiteral("finished")).isString())
        line.finished = object.value(QStringLiteral("finished")).toString();
    return line;
}

} // namespace InstallReport
