#pragma once

#include "SendItem.h"
#include "SendRow.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QStringList>

class PhoneSending;
class SplitAppUnpack;

// Files and apps on their way to the phones: every phone is served at once, each phone's files one
// after another. Rows are file by phone, in the order they were sent. A send while nothing runs
// starts a new list; one while others run joins them.
class Sending : public QObject
{
    Q_OBJECT

public:
    struct Phone
    {
        QString name; // the bridge's
        QString label; // as the user knows it
    };

    explicit Sending(QObject* parent = nullptr);
    ~Sending() override;

    // Why these files cannot be sent at all (a folder, a file that cannot be read), or empty once
    // they are on their way.
    QString send(const QStringList& files, const QList<Phone>& phones);
    void cancel();
    bool busy() const;

    int rowCount() const { return int(m_rows.size()); }
    SendRow row(int index) const;
    // How the rows stand: running counts the rows not yet ended.
    struct Counts
    {
        int done = 0, failed = 0, cancelled = 0, running = 0;
    };
    Counts counts() const;

signals:
    // Rows were added or all replaced.
    void rowsReset();
    void rowChanged(int row);
    // Everything sent has ended, one way or another.
    void allEnded();

private:
    void phoneChanged(PhoneSending* phone, int row);
    void tidyWhenIdle();
    void dropUnpacks();

    QMap<QString, PhoneSending*> m_phones; // by the bridge's name
    QList<QPair<PhoneSending*, int>> m_rows; // each row: its phone and its place there
    QList<SplitAppUnpack*> m_unpacks;
};
