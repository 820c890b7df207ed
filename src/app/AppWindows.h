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
class sendfiles;
class options;
class QWidget;
class AppPicker;
class ProgramState;

// The program's windows, and the state they show. Each window exists once and is created hidden,
// its load handler running, the first time it is asked for; all of them end with this object, before
// the state they show. This alone knows every window: a window that wants another says so with a
// signal, and it is wired here.
class AppWindows
{
public:
    AppWindows();
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    // What the windows show, for the program's own start and for the suites.
    ProgramState& state() { return *m_state; }

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
    sendfiles& sendWindow();
    options& moreOptions();
    AppPicker& appPicker();

    // Shows a window non-modal and brings it to the front; the opener stays usable.
    static void bringUp(QWidget& window);

    // Whether a window has been created yet, for tests.
    bool hasForm1() const { return m_form1 != nullptr; }
    bool hasAbout() const { return m_about != nullptr; }

private:
    void wire(Start& window);
    void wire(Form1& window);
    void wire(options& window);

    std::unique_ptr<ProgramState> m_state;
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
    std::unique_ptr<sendfiles> m_send;
    std::unique_ptr<options> m_options;
    std::unique_ptr<AppPicker> m_appPicker;
};
