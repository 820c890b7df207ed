#include "ContentScroller.h"

#include "ScreenPlace.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

namespace {

// The room for the window's client area on its screen: the screen's available area (the taskbar's
// room left out) less the window system's frame.
QSize roomFor(const QWidget& window)
{
    QScreen* screen = window.isVisible() ? window.screen() : QGuiApplication::screenAt(window.geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    // The frame the window system reports once the window is shown, but never less than a title bar
    // and borders: before it is shown, the frame is not known yet.
    const QMargins nominal = ScreenPlace::NominalFrame;
    const QMargins frame = ScreenPlace::frameOf(window);
    const QMargins margins(qMax(frame.left(), nominal.left()), qMax(frame.top(), nominal.top()),
        qMax(frame.right(), nominal.right()), qMax(frame.bottom(), nominal.bottom()));
    return screen->availableGeometry().size().shrunkBy(margins);
}

} // namespace

ContentScroller* ContentScroller::of(const QWidget& window)
{
    return window.findChild<ContentScroller*>(QString(), Qt::FindDirectChildrenOnly);
}

void ContentScroller::fit(QWidget& window)
{
    ContentScroller* scroller = of(window);
    fit(window, scroller ? scroller->m_design : window.size());
}

void ContentScroller::followScreens(QWidget& window)
{
    window.winId(); // the window system's window, whose screen is followed
    QObject::connect(window.windowHandle(), &QWindow::screenChanged, &window, [&window] {
        fit(window);
        ScreenPlace::keepOnScreen(window);
    });
}

void ContentScroller::fit(QWidget& window, const QSize& design)
{
    const QSize room = roomFor(window);
    ContentScroller* scroller = of(window);
    if (room.isEmpty() || (design.width() <= room.width() && design.height() <= room.height())) {
        if (scroller)
            scroller->arrange(design, design);
        window.setFixedSize(design);
        return;
    }
    if (!scroller)
        scroller = new ContentScroller(window, design);
    scroller->arrange(design, room);
}

ContentScroller::ContentScroller(QWidget& window, const QSize& design)
    : QObject(&window)
    , m_window(window)
    , m_design(design)
{
    setObjectName(QStringLiteral("contentScroller"));
    for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            m_designPlaces.append({child, child->pos()});
    }
    m_vertical = new QScrollBar(Qt::Vertical, &window);
    m_vertical->setObjectName(QStringLiteral("contentScrollVertical"));
    m_horizontal = new QScrollBar(Qt::Horizontal, &window);
    m_horizontal->setObjectName(QStringLiteral("contentScrollHorizontal"));
    for (QScrollBar* bar : {m_vertical, m_horizontal}) {
        bar->setFocusPolicy(Qt::NoFocus); // the window's tab order stays its controls'
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this,
            [this] { scrollTo(QPoint(m_horizontal->value(), m_vertical->value())); });
    }
    window.installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { reveal(now); });
}

void ContentScroller::arrange(const QSize& design, const QSize& room)
{
    m_design = design;
    const int extent = m_window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &m_window);
    // A bar along one edge takes room from the other direction, which may then need its own.
    bool across = design.width() > room.width();
    const bool down = design.height() > room.height() - (across ? extent : 0);
    across = design.width() > room.width() - (down ? extent : 0);
    const QSize size(qMin(room.width(), design.width() + (down ? extent : 0)),
        qMin(room.height(), design.height() + (across ? extent : 0)));
    m_window.setFixedSize(size);
    const QSize view(size.width() - (down ? extent : 0), size.height() - (across ? extent : 0));
    m_vertical->setGeometry(view.width(), 0, extent, view.height());
    m_horizontal->setGeometry(0, view.height(), view.width(), extent);
    m_vertical->setRange(0, qMax(0, design.height() - view.height()));
    m_vertical->setPageStep(view.height());
    m_vertical->setSingleStep(20);
    m_horizontal->setRange(0, qMax(0, design.width() - view.width()));
    m_horizontal->setPageStep(view.width());
    m_horizontal->setSingleStep(20);
    m_vertical->setVisible(down);
    m_horizontal->setVisible(across);
    m_vertical->raise();
    m_horizontal->raise();
    scrollTo(QPoint(m_horizontal->value(), m_vertical->value()));
}

void ContentScroller::scrollTo(QPoint offset)
{
    if (offset == m_offset)
        return;
    m_offset = offset;
    for (const DesignPlace& design : std::as_const(m_designPlaces)) {
        if (design.control)
            design.control->move(design.place - offset);
    }
}

// The control the keyboard reached is scrolled into view, as a scroll area does for its content.
void ContentScroller::reveal(QWidget* focused)
{
    if (!focused || !m_window.isAncestorOf(focused))
        return; // where nothing scrolls, the bars' ranges are empty and nothing moves
    const QRect shown = QRect(focused->mapTo(&m_window, QPoint()), focused->size());
    const QRect view(QPoint(), QSize(m_horizontal->width(), m_vertical->height()));
    const auto distance = [](int low, int high, int viewLow, int viewHigh) {
        if (high > viewHigh)
            return qMin(high - viewHigh, low - viewLow);
        return low < viewLow ? low - viewLow : 0;
    };
    m_vertical->setValue(m_vertical->value() + distance(shown.top(), shown.bottom(), view.top(), view.bottom()));
    m_horizontal->setValue(m_horizontal->value() + distance(shown.left(), shown.right(), view.left(), view.right()));
}

bool ContentScroller::eventFilter(QObject* watched, QEvent* event)
{
    // A wheel turned over the window that no control took scrolls its content.
    if (watched == &m_window && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const bool sideways = wheel->modifiers().testFlag(Qt::ShiftModifier) || !m_vertical->isVisible();
        QScrollBar* bar = sideways ? m_horizontal : m_vertical;
        if (bar->isVisible()) {
            QCoreApplication::sendEvent(bar, event);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
