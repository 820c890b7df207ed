#include "AppWindows.h"

#include "bridge/DeviceModel.h"
#include "bridge/DeviceTracker.h"
#include "bridge/PhoneDrops.h"
#include "bridge/PhoneReconnect.h"

#include "controls/ContentScroller.h"
#include "controls/ProgramPictures.h"
#include "controls/ScreenPlace.h"

#include "bridge/ClientVersion.h"
#include "info/About.h"
#include "info/DonatION.h"
#include "info/KJJ.h"
#include "info/meizu.h"
#include "launcher/AppPicker.h"
#include "launcher/ChosenOptions.h"
#include "launcher/Form1.h"
#include "launcher/options.h"
#include "panels/Freeze.h"
#include "panels/menu.h"
#include "startup/Start.h"
#include "startup/pair.h"
#include "tools/tools.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>

AppWindows::AppWindows()
    : m_devices(std::make_unique<DeviceModel>())
    , m_tracker(std::make_unique<DeviceTracker>(*m_devices))
    , m_reconnect(std::make_unique<PhoneReconnect>(*m_devices))
    , m_drops(std::make_unique<PhoneDrops>(*m_devices))
    , m_clientVersion(std::make_unique<ClientVersion>())
    , m_chosenOptions(std::make_unique<ChosenOptions>())
{
    // Every window, its title bar and the task bar show the program's own icon.
    QApplication::setWindowIcon(ProgramPictures::windowIcon());
    // Whether a phone tried again is back is the bridge's list to say.
    QObject::connect(m_reconnect.get(), &PhoneReconnect::tried, m_drops.get(), &PhoneDrops::askList);
}

void AppWindows::bringUp(QWidget& window)
{
    const bool first = !window.testAttribute(Qt::WA_WState_ExplicitShowHide);
    // A window with no place of its own opens centred on the screen the user is looking at.
    if (first && !window.testAttribute(Qt::WA_Moved)) {
        window.move(ScreenPlace::centred(window.size(), ScreenPlace::availableAround(QCursor::pos())).topLeft());
        ContentScroller::fit(window);
        ScreenPlace::centreOnScreen(window, window.size());
    } else if (first) {
        ContentScroller::fit(window);
    }
    window.show();
    window.raise();
    if (!first)
        return;
    ContentScroller::fit(window); // with the frame the window system gave it
    ScreenPlace::keepOnScreen(window);
    ContentScroller::followScreens(window);
}

AppWindows::~AppWindows()
{
    // Windows may still reach each other while they close, so they go in reverse order of use.
    m_appPicker.reset();
    m_options.reset();
    m_tools.reset();
    m_pair.reset();
    m_kjj.reset();
    m_meizu.reset();
    m_donation.reset();
    m_about.reset();
    m_freeze.reset();
    m_menu.reset();
    m_form1.reset();
    m_start.reset();
}

template <typename Window>
static Window& createOnce(std::unique_ptr<Window>& slot, AppWindows& windows)
{
    if (!slot)
        slot = std::make_unique<Window>(windows);
    return *slot;
}

QString& AppWindows::scratchField()
{
    return form1().INTERTEXT;
}

Start& AppWindows::start()
{
    return createOnce(m_start, *this);
}

Form1& AppWindows::form1()
{
    return createOnce(m_form1, *this);
}

menu& AppWindows::keyPanel()
{
    return createOnce(m_menu, *this);
}

Freeze& AppWindows::navigationBar()
{
    return createOnce(m_freeze, *this);
}

About& AppWindows::about()
{
    return createOnce(m_about, *this);
}

DonatION& AppWindows::donation()
{
    return createOnce(m_donation, *this);
}

meizu& AppWindows::meizuWarning()
{
    return createOnce(m_meizu, *this);
}

KJJ& AppWindows::shortcutKeys()
{
    return createOnce(m_kjj, *this);
}

pair& AppWindows::pairing()
{
    return createOnce(m_pair, *this);
}

// Once tools are installed, the client the launch will start is asked for its version again.
tools& AppWindows::toolsWindow()
{
    if (!m_tools) {
        createOnce(m_tools, *this);
        QObject::connect(m_tools.get(), &tools::installed, m_tools.get(), [this] { m_clientVersion->askAgain(); });
    }
    return *m_tools;
}

options& AppWindows::moreOptions()
{
    return createOnce(m_options, *this);
}

AppPicker& AppWindows::appPicker()
{
    return createOnce(m_appPicker, *this);
}

void AppWindows::openMoreOptions()
{
    bringUp(moreOptions());
}
