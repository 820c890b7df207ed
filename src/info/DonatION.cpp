#include "DonatION.h"

#include "bridge/Deployment.h"
#include "controls/CaptionFont.h"
#include "controls/DrawnPicture.h"
#include "controls/QrCode.h"
#include "controls/Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>

namespace {

constexpr QSize CodeArea(240, 290);
constexpr int CodeSide = 240;

// One payment code at the designed picture's place and size: the QR code of the configured
// address with its name under it, or, unconfigured, a plain box that says so.
QPixmap paymentPicture(const QString& address, const QString& name, qreal devicePixelRatio)
{
    QPixmap picture(CodeArea * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    // The code's modules in whole device pixels, so a reader sees sharp edges.
    const QImage code = address.isEmpty() ? QImage() : QrCode::render(address, qRound(CodeSide * devicePixelRatio));
    if (!code.isNull()) {
        painter.drawImage(QRect(0, 0, CodeSide, CodeSide), code);
    } else {
        painter.fillRect(QRect(0, 0, CodeSide, CodeSide), QColor(236, 236, 242));
        painter.setPen(QColor(120, 120, 130));
        painter.drawRect(QRect(0, 0, CodeSide - 1, CodeSide - 1));
        painter.setFont(captionFont(16, true));
        painter.drawText(
            QRect(0, 0, CodeSide, CodeSide), Qt::AlignCenter, QCoreApplication::translate("DonatION", "未配置"));
    }
    painter.setPen(Qt::black);
    painter.setFont(captionFont(11));
    painter.drawText(QRect(0, CodeSide, CodeArea.width(), CodeArea.height() - CodeSide), Qt::AlignCenter, name);
    return picture;
}

} // namespace

DonatION::DonatION(ProgramState&)
{
    setObjectName(QStringLiteral("DonatION"));
    setWindowTitle(tr("支持作者"));
    setFont(captionFont(10));
    setFixedSize(Twips::toPixels(11640), Twips::toPixels(5625));

    const Deployment::Values& deployment = Deployment::values();
    const std::pair<QString, QString> codes[] {
        {deployment.payWeChat, tr("微信支付")}, {deployment.payAlipay, tr("支付宝")}};
    for (int i = 0; i < 2; ++i) {
        auto* code
            = new DrawnPicture([address = codes[i].first, name = codes[i].second](
                                   qreal devicePixelRatio) { return paymentPicture(address, name, devicePixelRatio); },
                this);
        code->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        code->setGeometry(QRect(QPoint(118 + i * 300, 16), CodeArea));
        code->setAccessibleName(codes[i].second);
        code->setAccessibleDescription(codes[i].first.isEmpty() ? tr("未配置") : codes[i].first);
    }
    auto* note = new QLabel(tr("软件不设高级版、捐赠版。无论您是否捐赠都可以使用全部功能。 谢谢支持！"), this);
    note->setObjectName(QStringLiteral("Label1"));
    note->setGeometry(16, 320, width() - 32, 40);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
}
