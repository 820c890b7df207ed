#include "ShortcutTable.h"

#include "controls/CaptionFont.h"

#include <QPainter>

namespace ShortcutTable {

QList<Row> leftRows()
{
    return {
        {QStringLiteral("切换全屏模式"), QStringLiteral("Ctrl + f")},
        {QStringLiteral("将窗口大小调整为1：1"), QStringLiteral("Ctrl + g")},
        {QStringLiteral("调整窗口大小以删除黑色边框"), QStringLiteral("Ctrl + x 或 双击黑边")},
        {QStringLiteral("点击 HOME"), QStringLiteral("Ctrl + h 或 按下滚轮")},
        {QStringLiteral("点击 BACK"), QStringLiteral("Ctrl + b 或 单击右键")},
        {QStringLiteral("点击 APP_SWITCH"), QStringLiteral("Ctrl + s")},
        {QStringLiteral("点击 MENU"), QStringLiteral("Ctrl + m")},
        {QStringLiteral("点击 VOLUME_UP"), QStringLiteral("Ctrl + ↑")},
        {QStringLiteral("点击 VOLUME_DOWN"), QStringLiteral("Ctrl + ↓")},
    };
}

QList<Row> rightRows()
{
    return {
        {QStringLiteral("点击 POWER"), QStringLiteral("Ctrl + p")},
        {QStringLiteral("亮屏"), QStringLiteral("双击右键")},
        {QStringLiteral("关闭设备屏幕（保持镜像）"), QStringLiteral("Ctrl + o")},
        {QStringLiteral("展开通知面板"), QStringLiteral("Ctrl + n")},
        {QStringLiteral("折叠通知面板"), QStringLiteral("Ctrl + Shift + n")},
        {QStringLiteral("将设备剪贴板复制到计算机"), QStringLiteral("Ctrl + c")},
        {QStringLiteral("将计算机剪贴板粘贴到设备"), QStringLiteral("Ctrl + v")},
        {QStringLiteral("将计算机剪贴板复制到设备"), QStringLiteral("Ctrl + Shift + v")},
        {QStringLiteral("启用/禁用FPS计数器（在标准输出上）"), QStringLiteral("Ctrl + i")},
    };
}

QString leftNote()
{
    return QStringLiteral("传输文件：拖拽文件至窗口，即可发送至存储根目录。");
}

QString rightNote()
{
    return QStringLiteral("安装APK：拖拽.apk至窗口，即可安装软件。");
}

namespace {

void drawTable(QPainter& painter, const QRectF& area, const QList<Row>& rows, const QString& note)
{
    const qreal rowHeight = 34;
    const qreal actionWidth = area.width() * 0.6;
    const QColor line(200, 200, 210);
    const QRectF head(area.left(), area.top(), area.width(), rowHeight);
    painter.fillRect(head, QColor(128, 128, 255));
    painter.setPen(Qt::white);
    painter.setFont(captionFont(11, true));
    painter.drawText(
        QRectF(head.left() + 10, head.top(), actionWidth - 10, rowHeight), Qt::AlignVCenter, QStringLiteral("操作"));
    painter.drawText(QRectF(head.left() + actionWidth + 10, head.top(), area.width() - actionWidth - 10, rowHeight),
        Qt::AlignVCenter, QStringLiteral("快捷键"));

    painter.setFont(captionFont(10));
    qreal top = head.bottom();
    for (int i = 0; i < rows.size(); ++i) {
        const QRectF row(area.left(), top, area.width(), rowHeight);
        painter.fillRect(row, i % 2 ? QColor(244, 244, 252) : Qt::white);
        painter.setPen(QColor(30, 30, 30));
        painter.drawText(
            QRectF(row.left() + 10, row.top(), actionWidth - 14, rowHeight), Qt::AlignVCenter, rows.at(i).action);
        painter.drawText(QRectF(row.left() + actionWidth + 10, row.top(), area.width() - actionWidth - 14, rowHeight),
            Qt::AlignVCenter, rows.at(i).shortcut);
        painter.setPen(line);
        painter.drawLine(row.bottomLeft(), row.bottomRight());
        top += rowHeight;
    }
    painter.setPen(line);
    painter.drawRect(QRectF(area.left(), area.top(), area.width(), top - area.top()));
    painter.drawLine(QPointF(area.left() + actionWidth, area.top()), QPointF(area.left() + actionWidth, top));
    painter.setPen(QColor(60, 60, 60));
    painter.drawText(QRectF(area.left(), top + 8, area.width(), 24), Qt::AlignLeft | Qt::AlignVCenter, note);
}

} // namespace

QPixmap render(const QSize& size)
{
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal margin = 12;
    const qreal width = (size.width() - 3 * margin) / 2;
    drawTable(painter, QRectF(margin, margin, width, size.height() - 2 * margin), leftRows(), leftNote());
    drawTable(painter, QRectF(2 * margin + width, margin, width, size.height() - 2 * margin), rightRows(), rightNote());
    return picture;
}

} // namespace ShortcutTable
