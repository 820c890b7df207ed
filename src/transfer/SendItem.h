#pragma once

#include <QFileInfo>
#include <QString>

// One file the user sends to the phones, and what becomes of it there: an app is installed, a split
// app (a zip of an app's parts) is unpacked here and installed whole, anything else is saved.
struct SendItem
{
    enum class Kind { File, App, SplitApp };

    QString path; // on this computer
    Kind kind = Kind::File;
    qint64 size = 0;

    QString name() const { return QFileInfo(path).fileName(); }

    static SendItem of(const QString& path)
    {
        const QFileInfo file(path);
        const QString suffix = file.suffix().toLower();
        const Kind kind = suffix == QLatin1String("apk")                         ? Kind::App
            : suffix == QLatin1String("apks") || suffix == QLatin1String("xapk") ? Kind::SplitApp
                                                                                 : Kind::File;
        return {file.absoluteFilePath(), kind, file.size()};
    }
};
