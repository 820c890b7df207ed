#pragma once

#include <QString>
#include <QStringList>

// One command for a tool: the words it is started with, the tool's name first, and the text the
// windows show for it. The words are built as a list from the start and the text is never split
// back into words, so whatever a field holds reaches the tool as the one argument it was meant as.
struct ToolCommand
{
    QStringList words;
    QString text;
    // The words that are secrets (a pairing code, a password): never logged nor shown, the text
    // shows a mask in their place.
    QList<qsizetype> secretWords = {};

    friend bool operator==(const ToolCommand&, const ToolCommand&) = default;
};

// The words as a log may show them: each secret word masked.
inline QStringList maskedWords(const QStringList& words, const QList<qsizetype>& secretWords)
{
    QStringList shown = words;
    for (const qsizetype at : secretWords) {
        if (at >= 0 && at < shown.size())
            shown[at] = QStringLiteral("******");
    }
    return shown;
}
