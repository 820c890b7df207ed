#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Language {

namespace {

QString used = QStringLiteral("zh-CN"); // the texts as written

// Qt's translation of its own texts (the buttons of a box, the file dialog, a field's menu), in the
// script the program's texts are written in. On Linux it is the system's (Debian's
// qt6-translations-l10n); a Windows build carries it inside the program.
void loadQtChinese(QTranslator& translator)
{
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/i18n")}) {
        if (translator.load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"), folder))
            return;
    }
}

} // namespace

QString inUse()
{
    return used;
}

bool use(const QLocale& locale)
{
    static QTranslator english;
    static QTranslator qtChinese;
    QCoreApplication::removeTranslator(&english);
    QCoreApplication::removeTranslator(&qtChinese);
    const QString first = locale.uiLanguages().value(0, locale.name());
    used = first;
    if (first.startsWith(QLatin1String("zh"), Qt::CaseInsensitive)) {
        if (qtChinese.isEmpty())
            loadQtChinese(qtChinese);
        QCoreApplication::installTranslator(&qtChinese); // where none was found, it translates nothing
        return false;
    }
    // Elsewhere Qt's own texts stay as Qt writes them, in English, as the program's do.
    if (english.isEmpty() && !english.load(QStringLiteral(":/i18n/pannix_en.qm")))
        return false;
    QCoreApplication::installTranslator(&english);
    return true;
}

QString programTitle()
{
    return QCoreApplication::translate("Form1", "Pannix 酷安@Tollen");
}

} // namespace Language
