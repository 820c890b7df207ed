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

StatePictureControl::StatePictureControl(const QString& pictureFolder, int pictureCount, QWidget* parent)
    : QWidget(parent)
{
    m_pictures.reserve(pictureCount);
    for (int i = 0; i < pictureCount; ++i)
        m_pictures.append(QPixmap(QStringLiteral(":/assets/%1/%2.png").arg(pictureFolder).arg(i)));
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
    if (index < 0 || index >= m_pictures.size() || index == m_pictureIndex)
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
    if (m_pictureIndex >= 0)
        painter.drawPixmap(pictureRect().topLeft(), m_pictures.at(m_pictureIndex));
    painter.setPen(captionColor());
    painter.drawText(QRect(captionPosition(), QSize(width() - CaptionLeft, captionHeight())),
        Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    if (hasFocus())
        FocusMark::draw(painter, rect(), captionColor());
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
