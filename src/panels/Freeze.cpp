#include "Freeze.h"

#include "PanelWindow.h"
#include "bridge/AdbCommands.h"
#include "bridge/SendToSelectedSlots.h"
#include "controls/ButtonLooks.h"
#include "controls/N_Shape.h"
#include "state/ProgramState.h"

#include <QCoreApplication>

Freeze::Freeze(ProgramState& state)
    : m_state(state)
{
    setObjectName(QStringLiteral("Freeze"));
    PanelWindow::setUp(*this, QRect(797, 753, 381, 117));

    auto keyButton = [this](const QString& name, const QString& caption, const QRect& place, int keyCode) {
        N_Shape* button = ButtonLooks::create(this, name, ButtonLooks::panel(), caption);
        button->setGeometry(place);
        connect(button, &N_Shape::Click, this, [this, keyCode] {
            SendToSelectedSlots(m_state.devices(), AdbCommands::keyEventTail(keyCode), m_state.scratchField());
        });
        return button;
    };
    using namespace AdbCommands::Key;
    N_Shape* back = keyButton(QStringLiteral("BACKWARD"), tr("返回(鼠标右键)"), QRect(8, 8, 97, 33), Back);
    N_Shape* home = keyButton(QStringLiteral("HOMEWARD"), tr("主页(按下滚轮)"), QRect(136, 8, 105, 33), Home);
    N_Shape* recent = keyButton(QStringLiteral("MEUNWARD"), tr("多任务"), QRect(272, 8, 97, 33), AppSwitch);
    PanelWindow::note(this, tr("若出现点击按钮后标题栏变焦从而遮挡投屏画面的情况，建议开启附加设置中的“主界面置顶”。"),
        QRect(8, 56, 361, 33));

    // The designed focus order runs from right to left.
    setTabOrder(recent, home);
    setTabOrder(home, back);
}
