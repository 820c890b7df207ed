#include "Language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace Language {

namespace {
QString used = QStringLiteral("zh-CN"); // the texts as written
}

QString inUse()
{
    return used;
}

bool use(const QLocale& locale)
{
    static QTranslator english;
    QCoreApplication::removeTranslator(&english);
    const QString first = locale.uiLanguages().value(0, locale.name());
    used = first;
    if (first.startsWith(QLatin1String("zh"), Qt::CaseInsensitive))
        return false;
    if (english.isEmpty() && !english.load(QStringLiteral(":/i18n/pannix_en.qm")))
        return false;
    QCoreApplication::installTranslator(&english);
    return true;
}

} // namespace Language
