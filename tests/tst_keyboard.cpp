// What a keyboard or screen-reader user meets: a focus mark on every control, keys that act once
// and only where they should, disabled controls out of reach, the pointer looks in every drag,
// and a walk through the windows with no pointer at all.
#include "Fixture.h"
#include "controls/FocusMark.h"
#include "controls/LinkLabel.h"
#include "controls/OptionButton.h"
#include "panels/Freeze.h"
#include "panels/menu.h"
#include "startup/pair.h"
#include "tools/tools.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QKeyEvent>
#include <QSignalSpy>

namespace {

// How the window system reports a key held down between its press and its release.
enum class Repeats {
    Flagged, // release and press pairs marked as repeats
    PressesWhileDown, // further presses, unmarked, with no release between
    SameInstantPairs, // unmarked release and press pairs, each pair at one instant, as X11 sends them
};

// A key held down for about 0.7 s: its press, the repeats as the window system reports them, then
// the real release; each event carries its instant.
void holdKey(QWidget* widget, Qt::Key key, Repeats repeats, const QString& text = {})
{
    ulong at = 5000;
    const auto send = [&](QEvent::Type type, bool flagged) {
        QKeyEvent event(type, key, Qt::NoModifier, text, flagged);
        event.setTimestamp(at);
        QCoreApplication::sendEvent(widget, &event);
    };
    send(QEvent::KeyPress, false);
    for (int i = 0; i < 20; ++i) {
        at += 33;
        if (repeats != Repeats::PressesWhileDown)
            send(QEvent::KeyRelease, repeats == Repeats::Flagged);
        send(QEvent::KeyPress, repeats == Repeats::Flagged);
    }
    at += 40;
    send(QEvent::KeyRelease, false);
}

void mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// How many pixels of the line just inside the control's top edge have the given colour.
int markPixels(QWidget* control, const QColor& color)
{
    const QImage picture = control->grab().toImage();
    int count = 0;
    for (int x = FocusMark::Inset; x < control->width() - FocusMark::Inset - 1; ++x) {
        if (QColor(picture.pixel(x, FocusMark::Inset)) == color)
            ++count;
    }
    return count;
}

// How many pixels of the control differ from its look without the focus: those of the mark.
int markPixels(QWidget* control, const QImage& unfocused)
{
    const QImage picture = control->grab().toImage();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixel(x, y) != unfocused.pixel(x, y);
    }
    return count;
}

// Three controls of one kind in a row, in a window that can take the focus.
struct Row
{
    QWidget window;
    QList<QWidget*> controls;

    explicit Row(const QString& kind)
    {
        window.resize(400, 200);
        for (int i = 0; i < 3; ++i) {
            QWidget* control = nullptr;
            if (kind == QLatin1String("push button")) {
                auto* button = new N_Shape(&window);
                button->load(PropertyBag {{"StretchToText", false}, {"Caption", QStringLiteral("按钮%1").arg(i)},
                    {"ForeColorNormal", OleColors::rgb(0, 0, 0)}});
                control = button;
            } else if (kind == QLatin1String("check box")) {
                auto* box = new CheckButton(&window);
                box->load({{"Caption", QStringLiteral("选项%1").arg(i)}});
                control = box;
            } else if (kind == QLatin1String("link")) {
                control = new LinkLabel(QStringLiteral("链接%1").arg(i), &window);
            } else {
                auto* option = new OptionButton(&window);
                option->load({{"Caption", QStringLiteral("选项%1").arg(i)}});
                control = option;
            }
            control->setObjectName(QStringLiteral("c%1").arg(i));
            control->setGeometry(10, 10 + 40 * i, 160, 30);
            controls.append(control);
        }
        window.show();
        window.activateWindow();
    }
};

QColor captionColorOf(QWidget* control)
{
    if (auto* button = qobject_cast<N_Shape*>(control))
        return button->captionColor();
    if (qobject_cast<LinkLabel*>(control))
        return control->palette().color(control->foregroundRole());
    return static_cast<StatePictureControl*>(control)->captionColor();
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::useTestFolders(); }

    void focusMarkComesAndGoes_data();
    void focusMarkComesAndGoes();
    void keysActOncePerPress_data();
    void keysActOncePerPress();
    void windowsOpenOnTheirFirstButton();
    void arrowKeysMoveAlongTheRow();
    void optionSpaceSelectsOncePerPress_data();
    void optionSpaceSelectsOncePerPress();
    void checkBoxKeysChangeNothing();
    void disabledControlsAreOutOfReach_data();
    void disabledControlsAreOutOfReach();
    void checkBoxDraggedOutRests();
    void optionReleasedOutsideRests();
    void screenReaderSeesTheFocusMove();
    void walkWithoutPointer();
    void pairingWithoutPointer();
    void toolsWithoutPointer();
};

void TestKeyboard::focusMarkComesAndGoes_data()
{
    disabledControlsAreOutOfReach_data();
    QTest::newRow("link") << "link";
}

void TestKeyboard::focusMarkComesAndGoes()
{
    QFETCH(QString, kind);
    Row row(kind);
    QVERIFY(QTest::qWaitForWindowActive(&row.window));
    QWidget* control = row.controls[0];
    row.controls[1]->setFocus();
    const QImage unfocused = control->grab().toImage();
    control->setFocus();
    QVERIFY(control->hasFocus());
    QVERIFY2(markPixels(control, unfocused) > 10, qPrintable(QString::number(markPixels(control, unfocused))));
    row.controls[2]->setFocus();
    QCOMPARE(markPixels(control, unfocused), 0);
}

// A held Enter or Space on a button or a link acts once, not once per repeat, however the window
// system reports the repeats.
void TestKeyboard::keysActOncePerPress_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Repeats>("repeats");
    for (const char* kind : {"push button", "link"}) {
        QTest::addRow("%s, repeats marked", kind) << kind << Repeats::Flagged;
        QTest::addRow("%s, presses while down", kind) << kind << Repeats::PressesWhileDown;
        QTest::addRow("%s, release and press at one instant", kind) << kind << Repeats::SameInstantPairs;
    }
}

void TestKeyboard::keysActOncePerPress()
{
    QFETCH(QString, kind);
    QFETCH(Repeats, repeats);
    Row row(kind);
    QWidget* control = row.controls[0];
    control->setFocus();
    QSignalSpy clicks(control, SIGNAL(Click()));
    holdKey(control, Qt::Key_Return, repeats, QStringLiteral("\r"));
    QCOMPARE(clicks.count(), 1);
    holdKey(control, Qt::Key_Space, repeats, QStringLiteral(" "));
    QTRY_COMPARE(clicks.count(), 2);
    QTest::qWait(20); // no late act of a repeat either
    QCOMPARE(clicks.count(), 2);
    QTest::keyClick(control, Qt::Key_Enter); // the keypad's Enter
    QCOMPARE(clicks.count(), 3);
    QTest::keyClick(control, Qt::Key_Space); // presses one after another, each acting
    QCOMPARE(clicks.count(), 4);
    QTest::keyClick(control, Qt::Key_A);
    QCOMPARE(clicks.count(), 4);
}

// A window never opens with the focus on a link, where the user's first Enter would open a page.
void TestKeyboard::windowsOpenOnTheirFirstButton()
{
    Fixture f;
    for (auto [window, focused] :
        {std::pair<QWidget*, QString>(&f.grownStart(), "cable"), {&f.windows.about(), "blockmi"}}) {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), focused);
    }
}

void TestKeyboard::arrowKeysMoveAlongTheRow()
{
    Row row(QStringLiteral("push button"));
    QVERIFY(QTest::qWaitForWindowActive(&row.window));
    row.controls[0]->setFocus();
    const QList<std::pair<Qt::Key, int>> steps {
        {Qt::Key_Right, 1}, {Qt::Key_Down, 2}, {Qt::Key_Left, 1}, {Qt::Key_Up, 0}, {Qt::Key_Down, 1}};
    for (const auto& [key, landing] : steps) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget(), row.controls[landing]);
    }
}

void TestKeyboard::optionSpaceSelectsOncePerPress_data()
{
    QTest::addColumn<Repeats>("repeats");
    QTest::newRow("repeats marked") << Repeats::Flagged;
    QTest::newRow("presses while down") << Repeats::PressesWhileDown;
    QTest::newRow("release and press at one instant") << Repeats::SameInstantPairs;
}

void TestKeyboard::optionSpaceSelectsOncePerPress()
{
    QFETCH(Repeats, repeats);
    Row row(QStringLiteral("option button"));
    auto* option = static_cast<OptionButton*>(row.controls[1]);
    option->setFocus();
    QSignalSpy clicks(option, &OptionButton::Click);
    QSignalSpy downs(option, &OptionButton::MouseDown);
    holdKey(option, Qt::Key_Space, repeats, QStringLiteral(" "));
    QTRY_VERIFY(option->Value());
    QTest::qWait(20);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(downs.count(), 1);
    QVERIFY(!static_cast<OptionButton*>(row.controls[0])->Value());
    QTest::keyClick(option, Qt::Key_Return);
    QCOMPARE(clicks.count(), 1);
}

void TestKeyboard::checkBoxKeysChangeNothing()
{
    Row row(QStringLiteral("check box"));
    auto* box = static_cast<CheckButton*>(row.controls[0]);
    box->setFocus();
    QSignalSpy clicks(box, &CheckButton::Click);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_X})
        QTest::keyClick(box, key);
    QCOMPARE(box->Value(), 0);
    QCOMPARE(clicks.count(), 0);
    // A screen reader's toggle changes it exactly as a click does.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(box);
    reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(box->Value(), 1);
    QCOMPARE(clicks.count(), 1);
}

void TestKeyboard::disabledControlsAreOutOfReach_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("push button") << "push button";
    QTest::newRow("check box") << "check box";
    QTest::newRow("option button") << "option button";
}

void TestKeyboard::disabledControlsAreOutOfReach()
{
    QFETCH(QString, kind);
    Row row(kind);
    QVERIFY(QTest::qWaitForWindowActive(&row.window));
    QWidget* disabled = row.controls[1];
    if (auto* button = qobject_cast<N_Shape*>(disabled))
        button->setEnabledState(false);
    else if (auto* box = qobject_cast<CheckButton*>(disabled))
        box->setEnabledState(false);
    else
        static_cast<OptionButton*>(disabled)->setEnabledState(false);

    // Tab goes past it, and it takes no focus when asked.
    row.controls[0]->setFocus();
    QTest::keyClick(row.controls[0], Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), row.controls[2]);
    disabled->setFocus();
    QVERIFY(!disabled->hasFocus());

    // Keys and a screen reader's actions do nothing.
    QSignalSpy clicks(disabled, SIGNAL(Click()));
    QSignalSpy keysDown(disabled, SIGNAL(KeyDown(int, int)));
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Right})
        QTest::keyClick(disabled, key);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(disabled);
    for (const QString& action : reader->actionInterface()->actionNames())
        reader->actionInterface()->doAction(action);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(keysDown.count(), 0);
    if (auto* box = qobject_cast<CheckButton*>(disabled))
        QCOMPARE(box->Value(), 0);
    if (auto* option = qobject_cast<OptionButton*>(disabled))
        QVERIFY(!option->Value());
}

// Pressed inside, dragged out with the button held, released outside: the box rests again as
// soon as the pointer is out, tells MouseOut once, and keeps its value.
void TestKeyboard::checkBoxDraggedOutRests()
{
    QWidget window;
    CheckButton box(&window);
    box.setGeometry(0, 0, 100, 20);
    QSignalSpy outs(&box, &CheckButton::MouseOut);
    mouse(&box, QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::NoButton);
    mouse(&box, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(box.pictureIndex(), 2);
    mouse(&box, QEvent::MouseMove, {150, 5}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(box.pictureIndex(), 0);
    QCOMPARE(outs.count(), 1);
    mouse(&box, QEvent::MouseMove, {160, 8}, Qt::NoButton, Qt::LeftButton);
    mouse(&box, QEvent::MouseButtonRelease, {160, 8}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(outs.count(), 1);
    QCOMPARE(box.pictureIndex(), 0);
    QCOMPARE(box.Value(), 0);
}

void TestKeyboard::optionReleasedOutsideRests()
{
    QWidget window;
    OptionButton option(&window);
    option.setGeometry(0, 0, 80, 20);
    QSignalSpy outs(&option, &OptionButton::MouseOut);
    QVERIFY(!option.hasFocus());
    mouse(&option, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(option.pictureIndex(), 2);
    mouse(&option, QEvent::MouseMove, {200, 5}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(option.pictureIndex(), 2); // held: the design keeps the pressed picture
    mouse(&option, QEvent::MouseButtonRelease, {200, 5}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(option.pictureIndex(), 0);
    QCOMPARE(outs.count(), 1);
    QVERIFY(!option.Value());
}

// What a screen reader asks of the window after each Tab: which control is focused. (Qt sends
// the focus events themselves through the platform's accessibility bridge, which the headless
// platform of the tests has not.)
void TestKeyboard::screenReaderSeesTheFocusMove()
{
    Row row(QStringLiteral("check box"));
    QVERIFY(QTest::qWaitForWindowActive(&row.window));
    row.controls[0]->setFocus();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&row.window);
    for (int step = 1; step <= 2; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QAccessibleInterface* focused = window->focusChild();
        QVERIFY(focused);
        QCOMPARE(focused->object(), row.controls[step]);
        QCOMPARE(focused->role(), QAccessible::CheckBox);
        QCOMPARE(focused->text(QAccessible::Name), QStringLiteral("选项%1").arg(step));
        QVERIFY(focused->state().focused);
        QVERIFY(!QAccessible::queryAccessibleInterface(row.controls[step - 1])->state().focused);
    }
}

// From the start window to a launch and the panels' keys, with Tab, Space and Enter alone.
void TestKeyboard::walkWithoutPointer()
{
    Fixture f;
    f.answer(QStringLiteral("devices"), "List of devices attached\nSER1\tdevice\n\n");
    Start& start = f.grownStart();
    start.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&start));
    auto tabTo = [](QWidget& window, const char* name) {
        QWidget* target = window.findChild<QWidget*>(QLatin1String(name));
        for (int i = 0; i < 60 && QApplication::focusWidget() != target; ++i)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_Tab);
        return QApplication::focusWidget() == target;
    };
    QVERIFY(tabTo(start, "cable"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    f.outside.settle();
    for (int tick = 0; tick < 3; ++tick)
        start.tickTimer1();
    Form1& launcher = f.launcher();
    QVERIFY(launcher.isVisible());
    launcher.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&launcher));
    f.outside.settle();
    f.outside.clear();

    QVERIFY(tabTo(launcher, "BH"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(tabTo(launcher, "HD"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(launcher.BH->Value() && launcher.HD->Value());
    QVERIFY(tabTo(launcher, "QSNUM"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    for (int tick = 0; tick < 5; ++tick)
        launcher.tickTimerTOT();
    QCOMPARE(f.outside.lines(), QStringList {"scrcpy -s SER1 -m 1280 -b 30M --always-on-top"});

    // The panels, opened by the launcher, answer the keyboard too.
    menu& keys = f.windows.keyPanel();
    AppWindows::bringUp(keys);
    keys.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&keys));
    f.outside.clear();
    QVERIFY(tabTo(keys, "VOLUP"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    Freeze& bar = f.windows.navigationBar();
    AppWindows::bringUp(bar);
    bar.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&bar));
    QVERIFY(tabTo(bar, "HOMEWARD"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(
        f.outside.lines(), QStringList({"adb -s SER1 shell input keyevent 24", "adb -s SER1 shell input keyevent 3"}));
}

// The pairing window opens from the start window's link and pairs with Tab, typing and Space.
void TestKeyboard::pairingWithoutPointer()
{
    Fixture f;
    f.answer(QStringLiteral("version"), "Android Debug Bridge version 1.0.41\nVersion 35.0.2-12147458\n");
    Start& start = f.grownStart();
    start.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&start));
    for (int i = 0; i < 30 && QApplication::focusWidget()->objectName() != QLatin1String("pairLink"); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    pair& window = f.windows.pairing();
    QVERIFY(window.isVisible());
    f.outside.settle();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    f.outside.clear();
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("pairAddress"));
    QTest::keyClicks(QApplication::focusWidget(), "192.168.1.23:37123");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "482913");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("pairButton"));
    QVERIFY(markPixels(QApplication::focusWidget(), captionColorOf(QApplication::focusWidget())) > 10);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(f.outside.lines(), QStringList {"adb pair 192.168.1.23:37123 482913"});
}

// The tools window opens from the launcher's link; its buttons are reached with Tab from the first.
void TestKeyboard::toolsWithoutPointer()
{
    Fixture f;
    Form1& form = f.launcher();
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (int i = 0; i < 40 && QApplication::focusWidget()->objectName() != QLatin1String("toolsLink"); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    tools& window = f.windows.toolsWindow();
    QVERIFY(window.isVisible());
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("toolsDownload"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("toolsFromFile"));
    QVERIFY(markPixels(QApplication::focusWidget(), captionColorOf(QApplication::focusWidget())) > 10);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(f.outside.fileChoices, 1);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
