#pragma once

#include "SendItem.h"
#include "SendRow.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class SplitAppUnpack;
struct ToolAnswer;

// The files sent to one phone, one after another: a file is pushed into its download folder under a
// name nothing there has, an app installed, a split app installed whole with its data. A push is
// watched by asking the phone how much of the file it holds; a cancel stops the tool and removes
// what was half-written.
class PhoneSending : public QObject
{
    Q_OBJECT

public:
    // How often a push is asked after; a push that gains nothing for this long is given up (once the
    // phone has told a size at all: an old phone's shell may have no stat); an install that has not
    // ended after this long, and a second more for each megabyte, is stopped.
    static constexpr int ProgressEveryMs = 1000;
    static constexpr int StallLimitMs = 60 * 1000;
    static constexpr int InstallLimitMs = 10 * 60 * 1000;
    static inline const QString DownloadFolder = QStringLiteral("/sdcard/Download");

    PhoneSending(const QString& phone, const QString& label, QObject* parent = nullptr);

    // Queued behind what the phone has been given; split is the split app's unpacking, shared by
    // every phone it goes to.
    void add(const SendItem& item, SplitAppUnpack* split = nullptr);
    const QList<SendRow>& rows() const { return m_rows; }
    bool busy() const { return m_current >= 0; }
    void cancel();

    // Tests shorten the waits; 0 restores them.
    static void setTimesForTests(int progressEveryMs, int stallLimitMs, int installLimitMs);

signals:
    void rowChanged(int row);
    void idle();

private:
    struct Queued
    {
        SendItem item;
        QPointer<SplitAppUnpack> split;
    };

    void runNext();
    void saveFile();
    void pushTo(const QString& file, qint64 size, const QString& target, std::function<void()> then);
    void askProgress();
    void installApp(const QStringList& parts);
    void installSplitApp();
    void pushData(int index);
    void toolEnded(const ToolAnswer& answer);
    void update(SendRow::State state, const QString& result);
    void finish(SendRow::State state, const QString& result);
    void stopTool();
    SendRow& row() { return m_rows[m_current]; }

    QString m_phone;
    QString m_label;
    QList<Queued> m_queue;
    QList<SendRow> m_rows;
    int m_current = -1;

    // The tool at work on the current row, what it printed, and what follows its end.
    QPointer<QObject> m_tool;
    QByteArray m_output;
    std::function<void(const ToolAnswer&)> m_onToolEnd;
    QTimer m_progressTimer;
    QTimer m_installLimit;
    bool m_progressAsked = false;
    bool m_progressKnown = false; // the phone has told a size
    QString m_target; // the file on the phone being written, removed if cancelled
    QElapsedTimer m_sinceProgress; // since the phone last held more of it
    QElapsedTimer m_sinceAsked;
};
