#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>

class QScrollBar;
class QWidget;

// A window whose design is larger than the room its screen offers (a laptop's screen at 150 %, say)
// is given the room, and its content scrolls within it: bars along its right and bottom edges, the
// mouse wheel, and the keyboard focus, which brings the control it reaches into view. The window's
// controls stay its own children, in their tab order, at their design places less the scrolled
// distance; where the design fits, the window simply has its design size.
class ContentScroller : public QObject
{
    Q_OBJECT

public:
    // Gives the window its design size, or the room of the screen it is on (its frame allowed for)
    // with its content scrolling. Called again, for a window that grows, or on another screen.
    static void fit(QWidget& window, const QSize& design);
    // The same for a window at its design size already (the size it was made with).
    static void fit(QWidget& window);
    // Moved to a screen of another size or scale, the window takes that screen's room and stays on it.
    static void followScreens(QWidget& window);

    // The window's scroller, when its content has ever needed one.
    static ContentScroller* of(const QWidget& window);

    QPoint offset() const { return m_offset; }
    QScrollBar* verticalBar() const { return m_vertical; }
    QScrollBar* horizontalBar() const { return m_horizontal; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ContentScroller(QWidget& window, const QSize& design);
    void arrange(const QSize& design, const QSize& room);
    void scrollTo(QPoint offset);
    void reveal(QWidget* focused);

    QWidget& m_window;
    QScrollBar* m_vertical = nullptr;
    QScrollBar* m_horizontal = nullptr;
    QSize m_design;
    QPoint m_offset;
    // Each control's place when nothing is scrolled; one the window deletes is passed over.
    struct DesignPlace
    {
        QPointer<QWidget> control;
        QPoint place;
    };
    QList<DesignPlace> m_designPlaces;
};
