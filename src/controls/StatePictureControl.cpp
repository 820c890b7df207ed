#include "StatePictureControl.h"

#include "ControlAccessibility.h"

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
    layoutParts();
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
    layoutParts();
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

// Halves with the remainder dropped, as the design places the picture and the caption.
void StatePictureControl::layoutParts()
{
    const int captionHeight = QFontMetrics(font()).height();
    m_pictureRect = QRect(0, (height() - PictureSide) / 2, PictureSide, PictureSide);
    m_captionPos = QPoint(CaptionLeft, (height() - captionHeight) / 2);
}

void StatePictureControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), OleColors::toQColor(m_backColor));
    if (m_pictureIndex >= 0)
        painter.drawPixmap(m_pictureRect.topLeft(), m_pictures.at(m_pictureIndex));
    painter.setPen(captionColor());
    const QFontMetrics metrics(font());
    painter.drawText(QRect(m_captionPos, QSize(width() - CaptionLeft, metrics.height())),
        Qt::AlignLeft | Qt::AlignVCenter, m_caption);
}

void StatePictureControl::resizeEvent(QResizeEvent*)
{
    layoutParts();
}
