#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <optional>

// How the helper program tells what it unpacked from a split app: one JSON object per line, each
// part of the app, each file of its data with the package it belongs to, and the end (empty, or
// why the archive was refused). The same words are read on both sides.
namespace AppArchiveReport {

struct Line
{
    std::optional<QString> split;
    std::optional<QString> obb;
    QString package;
    std::optional<QString> finished;
};

inline QByteArray written(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

inline QByteArray split(const QString& path)
{
    return written({{QStringLiteral("split"), path}});
}

inline QByteArray obb(const QString& path, const QString& package)
{
    return written({{QStringLiteral("obb"), path}, {QStringLiteral("package"), package}});
}

inline QByteArray finished(const QString& problem)
{
    return written({{QStringLiteral("finished"), problem}});
}

// A line that is none of these reads as an empty Line.
inline Line read(const QByteArray& text)
{
    const QJsonObject object = QJsonDocument::fromJson(text).object();
    Line line;
    const auto text_ = [&](const char* key) {
        const QJsonValue value = object.value(QLatin1String(key));
        return value.isString() ? std::optional(value.toString()) : std::nullopt;
    };
    line.split = text_("split");
    line.obb = text_("obb");
    line.package = text_("package").value_or(QString());
    line.finished = text_("finished");
    return line;
}

} // namespace AppArchiveReport
