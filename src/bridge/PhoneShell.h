#pragma once

#include <QString>

// What a phone's shell is handed: the bridge tool joins its words with blanks and the phone's shell
// splits them again, so a word that may hold anything is quoted for that shell.
namespace PhoneShell {

// One word the phone's shell reads back whole, whatever it holds: in single quotes, each single
// quote in it closed, escaped and opened again.
inline QString quoted(const QString& word)
{
    return QLatin1Char('\'') + QString(word).replace(QLatin1String("'"), QLatin1String("'\\''")) + QLatin1Char('\'');
}

} // namespace PhoneShell
