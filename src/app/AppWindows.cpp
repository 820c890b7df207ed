#include "AppWindows.h"

#include "client/ClientVersion.h"
#include "client/MirrorClients.h"
#include "controls/ProgramPictures.h"
#include "controls/WindowOpening.h"
#include "info/About.h"
#include "info/DonatION.h"
#include "info/KJJ.h"
#include "info/meizu.h"
#include "launcher/AppPicker.h"
#include "launcher/Form1.h"
#include "launcher/options.h"
#include "panels/Freeze.h"
#include "panels/menu.h"
#include "sending/sendfiles.h"
#include "startup/Start.h"
#include "startup/pair.h"
#include "state/ProgramState.h"
#include "tools/tools.h"

#include <QApplication>
#include <QTimer>

AppWindows::AppWindows()
    : m_state(std::make_unique<ProgramState>())
{
    // Every window, its title bar and the task bar show the program's own icon.
    QApplication::setWindowIcon(ProgramPictures::windowIcon());
    // A client found nowhere: the tools window offers it rather than a message.
    QObject::connect(&m_state->mirrors(), &MirrorClients::clientMissing, [this] { bringUp(toolsWindow()); });
}

void AppWindows::bringUp(QWidget& window)
{
    WindowOpening::bringUp(window);
}

AppWindows::~AppWindows()
{
    // Windows may still reach each other while they close, so they go in reverse order of use.
    m_appPicker.reset();
    m_options.reset();
    m_tools.reset();
    m_send.reset();
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
static Window& createOnce(std::unique_ptr<Window>& slot, ProgramState& state)
{
    if (!slot)
        slot = std::make_unique<Window>(state);
    return *slot;
}

// The start window's load handler runs once its requests for other windows are wired.
Start& AppWindows::start()
{
    if (!m_start) {
        createOnce(m_start, *m_state);
        wire(*m_start);
        m_start->load();
    }
    return *m_start;
}

void AppWindows::wire(Start& window)
{
    QObject::connect(&window, &Start::pairingWanted, [this] { bringUp(pairing()); });
    QObject::connect(&window, &Start::toolsWanted, [this] { bringUp(toolsWindow()); });
    QObject::connect(&window, &Start::bridgeToolMissing, [this, &window] {
        tools& offer = toolsWindow();
        QObject::connect(&offer, &tools::installed, &window, &Start::toolsInstalled);
        QObject::connect(&offer, &tools::declined, &window, &Start::toolsDeclined);
        offer.offerAtStartUp();
    });
    QObject::connect(&window, &Start::openingGrown, [this] { form1(); });
    QObject::connect(&window, &Start::noPhoneFound, [this] { form1().showNoPhone(); });
    QObject::connect(&window, &Start::phonesFound, [this](bool warnMeizu) {
        bringUp(form1());
        if (warnMeizu) {
            form1().hide();
            bringUp(meizuWarning());
        }
    });
    QObject::connect(&window, &Start::meizuWarningWanted, [this] { bringUp(meizuWarning()); });
}

Form1& AppWindows::form1()
{
    if (!m_form1) {
        createOnce(m_form1, *m_state);
        wire(*m_form1);
    }
    return *m_form1;
}

void AppWindows::wire(Form1& window)
{
    QObject::connect(&window, &Form1::shortcutKeysWanted, [this] { bringUp(shortcutKeys()); });
    QObject::connect(&window, &Form1::aboutWanted, [this] { bringUp(about()); });
    QObject::connect(&window, &Form1::toolsWanted, [this] { bringUp(toolsWindow()); });
    QObject::connect(&window, &Form1::moreOptionsWanted, [this] { bringUp(moreOptions()); });
    QObject::connect(&window, &Form1::sendingWanted, [this] { bringUp(sendWindow()); });
    QObject::connect(&window, &Form1::panelsWanted, [this] {
        bringUp(keyPanel());
        bringUp(navigationBar());
    });
}

menu& AppWindows::keyPanel()
{
    return createOnce(m_menu, *m_state);
}

Freeze& AppWindows::navigationBar()
{
    return createOnce(m_freeze, *m_state);
}

About& AppWindows::about()
{
    if (!m_about) {
        createOnce(m_about, *m_state);
        QObject::connect(m_about.get(), &About::donationWanted, [this] { bringUp(donation()); });
    }
    return *m_about;
}

DonatION& AppWindows::donation()
{
    return createOnce(m_donation, *m_state);
}

// "继续使用": the start window stops its ticks and hides, and the launcher shows.
meizu& AppWindows::meizuWarning()
{
    if (!m_meizu) {
        createOnce(m_meizu, *m_state);
        QObject::connect(m_meizu.get(), &meizu::continued, [this] {
            start().hide();
            bringUp(form1());
            start().Timer1->stop();
        });
    }
    return *m_meizu;
}

KJJ& AppWindows::shortcutKeys()
{
    return createOnce(m_kjj, *m_state);
}

pair& AppWindows::pairing()
{
    return createOnce(m_pair, *m_state);
}

sendfiles& AppWindows::sendWindow()
{
    if (!m_send)
        createOnce(m_send, *m_state);
    return *m_send;
}

// Once tools are installed, the client the launch will start is asked for its version again.
tools& AppWindows::toolsWindow()
{
    if (!m_tools) {
        createOnce(m_tools, *m_state);
        QObject::connect(
            m_tools.get(), &tools::installed, m_tools.get(), [this] { m_state->clientVersion().askAgain(); });
    }
    return *m_tools;
}

options& AppWindows::moreOptions()
{
    if (!m_options) {
        createOnce(m_options, *m_state);
        wire(*m_options);
    }
    return *m_options;
}

// The app list is of the page's phone: it closes when another page shows, and the app picked is
// the app to start.
void AppWindows::wire(options& window)
{
    QObject::connect(&window, &options::pageChanged, [this] {
        if (m_appPicker)
            m_appPicker->hide();
    });
    QObject::connect(&window, &options::appListWanted, [this](const QString& phone) {
        AppPicker& picker = appPicker();
        picker.listFor(phone);
        bringUp(picker);
    });
}

AppPicker& AppWindows::appPicker()
{
    if (!m_appPicker) {
        createOnce(m_appPicker, *m_state);
        QObject::connect(
            m_appPicker.get(), &AppPicker::picked, [this](const QString& package) { moreOptions().takeApp(package); });
    }
    return *m_appPicker;
}
