#pragma once

#include <QLocale>

// The language the windows speak. The program's texts are written in Chinese, and a Chinese
// system shows them as they are; any other shows the English translation, compiled into the
// program. The system's first user-interface language decides (on Linux LANGUAGE, then LC_ALL,
// LC_MESSAGES and LANG; on Windows the user's display language), as Qt reads it.
namespace Language {

// Shows the windows created from now on in the locale's language; true when that is English.
bool use(const QLocale& locale = QLocale::system());
// The locale last used, for a helper program to speak as the windows do.
QString inUse();
// The program's name as the start window and the launcher show it in their title bars.
QString programTitle();

} // namespace Language
