#pragma once

#include <QFont>
#include <QSize>
#include <QString>

// A note that names a folder, written out in full when it fits its box (wrapped, as the label
// wraps it) and otherwise shortened in the middle of the folder's path with "…", as a reader
// expects of a long path: its start and its end stay.
namespace FittedText {

QString withFolder(
    const QString& before, const QString& folder, const QString& after, const QFont& font, const QSize& box);

bool fits(const QString& text, const QFont& font, const QSize& box);

// The text as a label of that width shows it, the path (each time it is named) broken onto a new line only after a
// folder separator ("C:\Program Files\" stays whole, never "C:" alone at a line's end).
QString brokenAtFolders(const QString& text, const QString& path, const QFont& font, int width);

} // namespace FittedText
