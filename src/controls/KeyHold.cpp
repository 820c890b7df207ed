#include "KeyHold.h"

#include <QKeyEvent>
#include <QWidget>

KeyHold::KeyHold(QWidget* control)
    : QObject(control)
{
    m_afterInstant.setSingleShot(true);
    m_afterInstant.setInterval(0);
    connect(&m_afterInstant, &QTimer::timeout, this, [this] {
        m_releasedKey = 0;
        if (const std::function<void()> act = std::exchange(m_pendingAct, nullptr))
            act();
    });
    control->installEventFilter(this);
}

bool KeyHold::beginsHold(const QKeyEvent& event)
{
    if (event.isAutoRepeat())
        return false;
    const int key = event.key();
    const bool repeatPair = m_releasedKey == key && event.timestamp() != 0 && event.timestamp() == m_releasedAt;
    if (repeatPair) {
        // The release before it was a repeat's: the hold goes on, and its act waits for the real end.
        m_afterInstant.stop();
        m_pendingAct = nullptr;
        m_releasedKey = 0;
    }
    const bool began = !m_down.contains(key) && !repeatPair;
    m_down.insert(key);
    return began;
}

void KeyHold::released(const QKeyEvent& event, std::function<void()> act)
{
    if (event.isAutoRepeat() || !m_down.remove(event.key()))
        return;
    m_releasedKey = event.key();
    m_releasedAt = event.timestamp();
    if (!act)
        return;
    if (event.timestamp() == 0) {
        act();
        return;
    }
    m_pendingAct = std::move(act);
    m_afterInstant.start();
}

bool KeyHold::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide) {
        m_down.clear();
        m_releasedKey = 0;
    }
    return QObject::eventFilter(watched, event);
}
