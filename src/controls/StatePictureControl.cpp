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
    // The focus mark surrounds the caption, as the system's own controls draw it, and never crosses
    // the picture.
    if (hasFocus()) {
        const int captionWidth = QFontMetrics(font()).horizontalAdvance(m_caption);
        const QRect around(CaptionLeft - 2, 0, qMin(captionWidth + 4, width() - CaptionLeft + 2), height());
        FocusMark::draw(painter, m_caption.isEmpty() ? rect() : around, captionColor());
    }
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
