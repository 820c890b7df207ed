#pragma once

#include <QObject>
#include <QSet>
#include <QTimer>

#include <functional>

class QKeyEvent;
class QWidget;

// The keys held down on one control, so that a key acts once per press whatever the window system
// reports while it is held: repeats marked as such, a second press while the key is down, or, as X11
// repeats a held key, a release and a press at the same instant. A release is known to end the hold
// only once the events of its instant have been handled; one that tells no instant (a timestamp of
// 0, as synthetic events have) ends it at once. Losing the focus ends every hold.
class KeyHold : public QObject
{
    Q_OBJECT

public:
    explicit KeyHold(QWidget* control);

    // True for the press that begins a hold; false for every repeat of it.
    bool beginsHold(const QKeyEvent& event);
    // Every release goes through here; act, when given, runs for the release that ends a hold begun
    // on this control, and never for a repeat's.
    void released(const QKeyEvent& event, std::function<void()> act = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSet<int> m_down;
    // A release whose instant may still bring the press of a repeat.
    int m_releasedKey = 0;
    quint64 m_releasedAt = 0;
    std::function<void()> m_pendingAct;
    QTimer m_afterInstant;
};
