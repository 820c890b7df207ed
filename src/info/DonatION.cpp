#include "DonatION.h"

#include "controls/CaptionFont.h"
#include "controls/Twips.h"

#include <QLabel>

DonatION::DonatION(AppWindows&)
{
    setObjectName(QStringLiteral("DonatION"));
    setWindowTitle(QStringLiteral("支持作者"));
    setFont(captionFont(10));
    setFixedSize(Twips::toPixels(11640), Twips::toPixels(5625));

    const QStringList codes {QStringLiteral(":/assets/pay_wechat.png"), QStringLiteral(":/assets/pay_alipay.png")};
    for (int i = 0; i < codes.size(); ++i) {
        auto* code = new QLabel(this);
        code->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        code->setPixmap(QPixmap(codes.at(i)));
        code->setGeometry(118 + i * 300, 16, 240, 290);
    }
    auto* note
        = new QLabel(QStringLiteral("软件不设高级版、捐赠版。无论您是否捐赠都可以使用全部功能。 谢谢支持！"), this);
    note->setObjectName(QStringLiteral("Label1"));
    note->setGeometry(16, 320, width() - 32, 40);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
}
