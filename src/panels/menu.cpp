#include "menu.h"

#include "PanelWindow.h"
#include "bridge/AdbCommands.h"
#include "bridge/Paths.h"
#include "bridge/ScreenshotSequence.h"
#include "bridge/SendToSelectedSlots.h"
#include "controls/ButtonLooks.h"
#include "controls/FittedText.h"
#include "controls/N_Shape.h"
#include "state/ProgramState.h"

#include <QCoreApplication>
#include <QLabel>

namespace {
constexpr int ButtonLeft = 8;
constexpr QSize ButtonSize(67, 33);
// The notes say how the pictures are named, and where they land.
const char* const OneFolderNote = QT_TRANSLATE_NOOP("menu", "截屏存为screen.png，在：");
const char* const SeveralPhonesNote = QT_TRANSLATE_NOOP("menu", "截屏存为screen-序列号.png，在：");
} // namespace

menu::menu(ProgramState& state)
    : m_state(state)
{
    setObjectName(QStringLiteral("menu"));
    PanelWindow::setUp(*this, QRect(653, 257, 81, 409));

    using namespace AdbCommands::Key;
    N_Shape* lock = keyButton(QStringLiteral("LOCKSCR"), tr("锁屏"), 0, Power);
    N_Shape* up = keyButton(QStringLiteral("VOLUP"), tr("音量+"), 40, VolumeUp);
    N_Shape* down = keyButton(QStringLiteral("VOLDOWN"), tr("音量-"), 80, VolumeDown);
    N_Shape* mute = keyButton(QStringLiteral("MUTE"), tr("静音"), 120, VolumeMute);
    N_Shape* shot = ButtonLooks::create(this, QStringLiteral("N_Shape1screencp"), ButtonLooks::panel(), tr("截屏"));
    shot->setGeometry(QRect(QPoint(ButtonLeft, 160), ButtonSize));
    connect(shot, &N_Shape::Click, this, &menu::screenshotClick);
    N_Shape* next = keyButton(QStringLiteral("N_Shapexia"), tr("音乐下一首"), 200, MediaNext);
    N_Shape* previous = keyButton(QStringLiteral("N_Shapeshang"), tr("音乐上一首"), 240, MediaPrevious);
    N_Shape* pause = keyButton(QStringLiteral("N_Shapepause"), tr("暂停/继续"), 280, MediaPlayPause);
    m_note = PanelWindow::note(this, QString(), QRect(8, 336, 65, 81));
    showNote(tr(OneFolderNote));

    // The designed focus order, which is not the order on the screen.
    setTabOrder(lock, down);
    setTabOrder(down, up);
    setTabOrder(up, mute);
    setTabOrder(mute, pause);
    setTabOrder(pause, next);
    setTabOrder(next, previous);
    setTabOrder(previous, shot);

    screenshots = new ScreenshotSequence(m_state.devices(), m_state.scratchField(), this);
}

N_Shape* menu::keyButton(const QString& name, const QString& caption, int top, int keyCode)
{
    N_Shape* button = ButtonLooks::create(this, name, ButtonLooks::panel(), caption);
    button->setGeometry(QRect(QPoint(ButtonLeft, top), ButtonSize));
    connect(button, &N_Shape::Click, this, [this, keyCode] {
        SendToSelectedSlots(m_state.devices(), AdbCommands::keyEventTail(keyCode), m_state.scratchField());
    });
    return button;
}

// One sequence at a time: a click while one runs is not taken, since both would capture to the
// same file on the phone.
void menu::screenshotClick()
{
    if (screenshots->start())
        showNote(screenshots->phoneCount() > 1 ? tr(SeveralPhonesNote) : tr(OneFolderNote));
}

// The output folder written out, shortened to the part of the note's box inside the panel.
void menu::showNote(const QString& lead)
{
    const QSize visible = m_note->geometry().intersected(rect()).size();
    m_note->setText(FittedText::withFolder(lead, Paths::outputFolder(), QString(), m_note->font(), visible));
}
