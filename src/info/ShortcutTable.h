#pragma once

#include <QList>
#include <QPixmap>
#include <QString>

// The mirroring client's keyboard and mouse shortcuts, drawn as two tables side by side with a
// line of text under each.
namespace ShortcutTable {

struct Row
{
    QString action;
    QString shortcut;
};

QList<Row> leftRows();
QList<Row> rightRows();
QString leftNote();
QString rightNote();

QPixmap render(const QSize& size);

} // namespace ShortcutTable
