#include "About.h"

#include "bridge/AdbCommands.h"
#include "bridge/Deployment.h"
#include "bridge/MakerPages.h"
#include "bridge/Outside.h"
#include "bridge/WebAddresses.h"
#include "controls/ButtonLooks.h"
#include "controls/CaptionFont.h"
#include "controls/DrawnPicture.h"
#include "controls/LinkLabel.h"
#include "controls/N_Shape.h"
#include "controls/ProgramPictures.h"
#include "controls/Twips.h"
#include "controls/WidgetColors.h"
#include "controls/WindowParts.h"
#include "state/ProgramState.h"

#include <QCoreApplication>
#include <QLabel>

namespace {

LinkLabel* link(QWidget* parent, const QString& name, const QString& text, const QRect& place, const QString& address)
{
    auto* label = new LinkLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    WidgetColors::setText(label, QColor(0, 102, 204));
    QObject::connect(label, &LinkLabel::Click, label, [address] { Outside::current().openWebAddress(address); });
    return label;
}

} // namespace

About::About(ProgramState& state)
    : Text1(state.aboutField())
    , m_state(state)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(tr("关于"));
    setFont(captionFont(9));
    setFixedSize(Twips::toPixels(7095), Twips::toPixels(3450));

    auto* picture = new DrawnPicture(&ProgramPictures::about, this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(12, 12, 96, 96);
    auto* version
        = WindowParts::label(this, QStringLiteral("Label2"), QStringLiteral("V1.5.0"), QRect(12, 110, 96, 20));
    version->setAlignment(Qt::AlignCenter);

    auto* description = WindowParts::label(this, QStringLiteral("Label11"),
        tr("基于Scrcpy有线投屏工具命令库制作的GUI控制台。提供便捷的设置选项。"), QRect(120, 8, 345, 36));
    description->setWordWrap(true);
    link(this, QStringLiteral("Label14"), tr("Scrcpy 作者：Romain Vimont (Genymobile)"), QRect(120, 48, 345, 18),
        WebAddresses::AndroidDeveloperReference);
    link(this, QStringLiteral("Label13"), tr("项目链接："), QRect(120, 70, 72, 18),
        WebAddresses::AndroidOpenSourceProject);
    link(this, QStringLiteral("Label15"), tr("点击访问"), QRect(196, 70, 64, 18), WebAddresses::MirroringClientProject);
    WindowParts::label(this, QStringLiteral("Label17"), tr("工具介绍(官方)："), QRect(120, 92, 108, 18));
    link(this, QStringLiteral("Label16"), tr("点击访问"), QRect(232, 92, 64, 18),
        WebAddresses::MirroringClientIntroduction);
    WindowParts::label(this, QStringLiteral("Label18"), tr("Scrcpy Version：1.10"), QRect(120, 114, 200, 18));
    WindowParts::label(this, QStringLiteral("Label6"), tr("酷安：@Tollen"), QRect(120, 140, 120, 18));

    const PropertyBag look = ButtonLooks::window();
    N_Shape* home = ButtonLooks::create(this, QStringLiteral("blockmi"), look, tr("个人主页"));
    home->setGeometry(250, 136, 100, 26);
    connect(home, &N_Shape::Click, this, [this] { openOnPhones(Deployment::values().makerHomePage); });
    N_Shape* works = ButtonLooks::create(this, QStringLiteral("N_Shape2all"), look, tr("所有作品"));
    works->setGeometry(360, 136, 100, 26);
    connect(works, &N_Shape::Click, this, [this] { openOnPhones(Deployment::values().makerWorksPage); });

    N_Shape* donate = ButtonLooks::create(this, QStringLiteral("N_Shape1boot"), look, tr("捐赠支持"));
    donate->setGeometry(12, 136, 96, 26);
    connect(donate, &N_Shape::Click, this, &About::donationWanted);

    const Deployment::Values& deployment = Deployment::values();
    const QString number = deployment.supportGroupNumber.isEmpty() ? tr("未配置") : deployment.supportGroupNumber;
    auto* group = new LinkLabel(tr("交流群：") + number, this);
    group->setObjectName(QStringLiteral("Label4"));
    group->setGeometry(QRect(120, 172, 230, 18));
    WidgetColors::setText(group, QColor(0, 102, 204));
    connect(group, &LinkLabel::Click, this, &About::joinSupportGroup);
    N_Shape* join = ButtonLooks::create(this, QStringLiteral("N_Shape1"), look, tr("点击加入"));
    join->setGeometry(360, 168, 100, 26);
    connect(join, &N_Shape::Click, this, &About::joinSupportGroup);

    auto* rights = WindowParts::label(this, QStringLiteral("Label3"),
        tr("版权所有 © 酷安@Tollen 保留所有权利。Scrcpy 版权归其作者所有。"), QRect(12, 204, 449, 18));
    WidgetColors::setText(rights, Qt::gray);
    LinkLabel::focusFirstControl(*this);
}

void About::openOnPhones(const QString& page)
{
    MakerPages::open(m_state.devices(), page, m_state.scratchField());
}

void About::joinSupportGroup()
{
    const QString page = Deployment::values().supportGroupJoinPage;
    if (page.isEmpty())
        MakerPages::tellNotConfigured(tr("交流群的加入页面"));
    else
        Outside::current().openWebAddress(page);
}
