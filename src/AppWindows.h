#pragma once

#include <QString>

#include <memory>

class Start;
class Form1;
class menu;
class Freeze;
class About;
class DonatION;
class meizu;
class KJJ;
class pair;
class tools;
class options;
class QWidget;
class DeviceModel;
class DeviceTracker;
class PhoneReconnect;
class PhoneDrops;
class ClientVersion;
class ChosenOptions;
class AppPicker;

// The program's windows, and the phones they show. Each window exists once and is created hidden,
// its load handler running, the first time another window touches it; all of them end with this
// object. The device model and its tracking, and the client's version, belong to the program, not to
// a window: they outlive every window.
class AppWindows
{
public:
    AppWindows();
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    DeviceModel& devices() { return *m_devices; }
    // INTERTEXT, the launcher's scratch field, which holds the last command any window sent.
    QString& scratchField();
    DeviceTracker& tracker() { return *m_tracker; }
    PhoneReconnect& reconnect() { return *m_reconnect; }
    PhoneDrops& drops() { return *m_drops; }
    // The installed mirroring client's version, which the launch, the options and the shortcut keys
    // follow; asked for when the launcher first shows, and again after the tools were installed.
    ClientVersion& clientVersion() { return *m_clientVersion; }
    // The more options, shared and each phone's own, as the settings file keeps them.
    ChosenOptions& chosenOptions() { return *m_chosenOptions; }

    Start& start();
    Form1& form1();
    menu& keyPanel();
    Freeze& navigationBar();
    About& about();
    DonatION& donation();
    meizu& meizuWarning();
    KJJ& shortcutKeys();
    pair& pairing();
    tools& toolsWindow();
    options& moreOptions();
    AppPicker& appPicker();
    // Shows the window of more options, for a window that edits nothing of it.
    void openMoreOptions();

    // Shows a window non-modal and brings it to the front; the opener stays usable.
    static void bringUp(QWidget& window);

    // Whether a window has been created yet, for tests.
    bool hasForm1() const { return m_form1 != nullptr; }
    bool hasAbout() const { return m_about != nullptr; }
    // Whether the app list exists, so the options can close it without creating it.
    bool hasAppPicker() const { return m_appPicker != nullptr; }

private:
    std::unique_ptr<DeviceModel> m_devices;
    std::unique_ptr<DeviceTracker> m_tracker;
    std::unique_ptr<PhoneReconnect> m_reconnect;
    std::unique_ptr<PhoneDrops> m_drops;
    std::unique_ptr<ClientVersion> m_clientVersion;
    std::unique_ptr<ChosenOptions> m_chosenOptions;
    std::unique_ptr<Start> m_start;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<menu> m_menu;
    std::unique_ptr<Freeze> m_freeze;
    std::unique_ptr<About> m_about;
    std::unique_ptr<DonatION> m_donation;
    std::unique_ptr<meizu> m_meizu;
    std::unique_ptr<KJJ> m_kjj;
    std::unique_ptr<pair> m_pair;
    std::unique_ptr<tools> m_tools;
    std::unique_ptr<options> m_options;
    std::unique_ptr<AppPicker> m_appPicker;
};
