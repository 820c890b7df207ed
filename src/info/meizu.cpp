#include "meizu.h"

#include "bridge/Outside.h"
#include "bridge/WebAddresses.h"
#include "controls/ButtonLooks.h"
#include "controls/CaptionFont.h"
#include "controls/N_Shape.h"
#include "controls/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>

meizu::meizu(ProgramState&)
{
    setObjectName(QStringLiteral("meizu"));
    setWindowTitle(tr("检测到魅族设备！"));
    setFont(captionFont(9));
    setFixedSize(Twips::toPixels(6480), Twips::toPixels(2055));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(QPixmap(QStringLiteral(":/assets/meizu.png")));
    icon->setGeometry(14, 12, 66, 66);
    auto* text = new QLabel(
        tr("很抱歉！由于Flyme魔改Android源码，导致大部分设备无法显示投屏画面。工具可能无法正常使用！"), this);
    text->setObjectName(QStringLiteral("Label1"));
    text->setGeometry(92, 12, 326, 66);
    text->setWordWrap(true);

    const PropertyBag look = ButtonLooks::window();
    N_Shape* quit = ButtonLooks::create(this, QStringLiteral("N_Shape1about"), look, tr("退出软件"));
    quit->setGeometry(14, 92, 110, 30);
    connect(quit, &N_Shape::Click, this, [] { Outside::current().endProgram(); });
    N_Shape* why = ButtonLooks::create(this, QStringLiteral("N_Shape2"), look, tr("查看原因及解决方法"));
    why->setGeometry(134, 92, 164, 30);
    connect(
        why, &N_Shape::Click, this, [] { Outside::current().openWebAddress(WebAddresses::MeizuMirroringProblems); });
    N_Shape* keepOn = ButtonLooks::create(this, QStringLiteral("N_Shape1"), look, tr("继续使用"));
    keepOn->setGeometry(308, 92, 110, 30);
    connect(keepOn, &N_Shape::Click, this, &meizu::continueClick);
}

void meizu::continueClick()
{
    hide();
    emit continued();
}

// The start window and the launcher are hidden now, so the program would run on unseen.
void meizu::closeEvent(QCloseEvent* event)
{
    event->accept();
    Outside::current().endProgram();
}
