#include "StatePictureControl.h"

#include "ControlAccessibility.h"

#include "FocusMark.h"
#include <QEvent>
#include <QFontMetrics>

#include <QPainter>

namespace {
constexpr int PictureSide = 13;
constexpr int CaptionLeft = 16;
} // namespace

StatePictureControl::StatePictureControl(StatePictures::Kind pictures, QWidget* parent)
    : QWidget(parent)
    , m_pictures(pictures)
{
    ControlAccessibility::install();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void StatePictureControl::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void StatePictureControl::setBackColor(OleColor color)
{
    m_backColor = color;
    update();
}

void StatePictureControl::setForeColor(OleColor color)
{
    m_foreColor = color;
    refreshLook();
}

void StatePictureControl::setControlFont(const QFont& font)
{
    setFont(font);
    update();
}

QSize StatePictureControl::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {CaptionLeft + metrics.horizontalAdvance(m_caption) + 2, qMax(PictureSide, metrics.height())};
}

void StatePictureControl::showPicture(int index)
{
    if (index < 0 || index >= StatePictures::count(m_pictures) || index == m_pictureIndex)
        return;
    m_pictureIndex = index;
    update();
}

void StatePictureControl::setCaptionColor(OleColor color)
{
    m_captionColor = color;
    update();
}

int StatePictureControl::captionHeight() const
{
    if (!m_captionHeight)
        m_captionHeight = QFontMetrics(font()).height();
    return *m_captionHeight;
}

QRect StatePictureControl::pictureRect() const
{
    return {0, (height() - PictureSide) / 2, PictureSide, PictureSide};
}

QPoint StatePictureControl::captionPosition() const
{
    return {CaptionLeft, (height() - captionHeight()) / 2};
}

void StatePictureControl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        m_captionHeight.reset();
    QWidget::changeEvent(event);
}

void StatePictureControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), OleColors::toQColor(m_backColor));
    StatePictures::draw(painter, m_pictures, m_pictureIndex, pictureRect());
    painter.setPen(captionColor());
    const QRect caption(captionPosition(), QSize(width() - CaptionLeft, captionHeight()));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    if (hasFocus() && m_caption.isEmpty())
        FocusMark::draw(painter, rect(), captionColor());
    else if (hasFocus())
        FocusMark::drawAround(painter, focusMarkPlace(caption), captionColor());
}

// The focus mark surrounds the caption's characters with a pixel's gap, as the system's own controls
// draw it, and never crosses the picture; where the control is too short for that gap, the mark runs
// along its edge, as far from the characters as the control allows.
QRectF StatePictureControl::focusMarkPlace(const QRect& caption) const
{
    const QFontMetricsF metrics(font());
    // Where drawText put the characters: the caption's line is the font's height, so its baseline
    // lies the font's ascent below its top.
    const qreal baseline = caption.top() + metrics.ascent();
    const QRectF ink = metrics.tightBoundingRect(m_caption).translated(caption.left(), baseline);
    constexpr qreal gap = 2; // a clear pixel between the characters and the line
    const QRectF bounds(CaptionLeft - 2, 0, width() - CaptionLeft + 1, height() - 1);
    QRectF around = ink.adjusted(-gap, -gap, gap, gap);
    around.setLeft(qMax(around.left(), bounds.left()));
    around.setTop(qMax(around.top(), bounds.top()));
    around.setRight(qMin(around.right(), bounds.right()));
    around.setBottom(qMin(around.bottom(), bounds.bottom()));
    return around;
}

void StatePictureControl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update(); // the focus mark
}

void StatePictureControl::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update(); // the focus mark goes
}
