#pragma once

#include <QList>
#include <QPixmap>
#include <QString>
#include <QVersionNumber>

// The mirroring client's keyboard and mouse shortcuts for the version installed, drawn as two
// tables side by side with a line of text under each and a small line naming the version. The
// rows are the client's own documentation, one table per range of versions; from 1.15 on its
// shortcut key (MOD) is left Alt (or left Super), written "Alt".
namespace ShortcutTable {

struct Row
{
    QString action;
    QString shortcut;
};

struct Range
{
    QVersionNumber from; // the first version the table is for
    QString versions; // the range, as the window names it
    QString pushFolder; // where a dropped file lands on the phone
    QList<Row> rows;
};

// Oldest first.
const QList<Range>& ranges();
// The table of a version; an unknown (null) version gets the newest.
const Range& rangeFor(const QVersionNumber& version);

QList<Row> leftRows(const QVersionNumber& version);
QList<Row> rightRows(const QVersionNumber& version);
QString leftNote(const QVersionNumber& version);
QString rightNote();
// stillAsking: the client has not answered yet, so the version is not known to be unreadable.
QString versionLine(const QVersionNumber& version, bool stillAsking = false);

QPixmap render(const QSize& size, const QVersionNumber& version, bool stillAsking = false, qreal devicePixelRatio = 1);

} // namespace ShortcutTable
