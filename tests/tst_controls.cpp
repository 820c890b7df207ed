#include "TestSupport.h"
#include "bridge/Language.h"
#include "controls/CheckButton.h"
#include "controls/FittedText.h"
#include "controls/N_Shape.h"
#include "controls/OptionButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

using OleColors::rgb;

// Sends one mouse event straight to the control, as the window system delivers it.
void send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void press(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton)
{
    send(w, QEvent::MouseButtonPress, at, b, b);
}
void release(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton)
{
    send(w, QEvent::MouseButtonRelease, at, b, Qt::NoButton);
}
void move(QWidget* w, QPoint at, Qt::MouseButtons held = Qt::NoButton)
{
    send(w, QEvent::MouseMove, at, Qt::NoButton, held);
}
void leave(QWidget* w)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(w, &event);
}

// Records the order in which a push button raises its events.
struct EventLog
{
    explicit EventLog(N_Shape* button)
    {
        QObject::connect(button, &N_Shape::Click, [this] { events << "Click"; });
        QObject::connect(button, &N_Shape::DblClick, [this] { events << "DblClick"; });
        QObject::connect(button, &N_Shape::MouseDown,
            [this](int b, int, float, float) { events << QStringLiteral("MouseDown%1").arg(b); });
        QObject::connect(button, &N_Shape::MouseUp,
            [this](int b, int, float, float) { events << QStringLiteral("MouseUp%1").arg(b); });
        QObject::connect(button, &N_Shape::MouseEnter, [this] { events << "MouseEnter"; });
        QObject::connect(button, &N_Shape::MouseLeave, [this] { events << "MouseLeave"; });
    }
    QStringList events;
};

N_Shape* placedButton(QWidget& window, const PropertyBag& bag = {})
{
    auto* button = new N_Shape(&window);
    button->setObjectName(QStringLiteral("button"));
    button->setGeometry(10, 10, 120, 30);
    button->load(PropertyBag {{"StretchToText", false}, {"Text_Visible", true}, {"Caption", "OK"}}.with(bag));
    return button;
}

} // namespace

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::useTestFolders(); }

    // Push button
    void buttonLoadDefaultsAndNamesWithoutCase();
    void newButtonShowsNoPicture();
    void pressDragOutReleaseOutside();
    void rightClickNeverShowsDown();
    void doubleClickOrder();
    void hoverLookAndLeave();
    void readingNormalColoursReturnsTheScreen();
    void stretchToTextLayout();
    void sameWidthStartsNoSecondLayout();
    void enabledGreysAndRestores();
    void foreColourSaveLoadRoundTrip();
    void keyboardActivationAndFocusMoves();

    // Check box
    void checkValuesWithClick_data();
    void checkValuesWithClick();
    void checkAssignedValueShowsRestingPicture();
    void checkDisabledLook();
    void checkHoverAndPressedPictures();
    void checkSpaceDoesNotToggle();
    void checkReportsMouseOutAfterOpening();

    // Option button
    void optionExclusiveByContainerAndGroup();
    void optionAlreadySelectedRaisesNoClick();
    void optionDisabledIgnoresMouse();
    void optionPressHoldMoveOutAndBack();
    void optionSpaceSelects();
    void optionCaptionRoundTrip();

    void assistiveTechnologySeesControls();
    void pathsBreakOnlyAtFolders_data();
    void pathsBreakOnlyAtFolders();
    void qtTextsSpeakTheUsersLanguage_data();
    void qtTextsSpeakTheUsersLanguage();
};

void TestControls::buttonLoadDefaultsAndNamesWithoutCase()
{
    QWidget window;
    N_Shape button(&window);
    button.load({});
    QCOMPARE(button.Caption(), QStringLiteral("NShape1"));
    QCOMPARE(button.BackGround(), rgb(128, 128, 255));
    QCOMPARE(button.BackColorNormal(), rgb(255, 128, 128));
    QCOMPARE(button.BorderColorNormal(), rgb(128, 255, 255));
    QCOMPARE(button.ForeColorNormal(), rgb(255, 128, 128));
    QCOMPARE(button.BorderCustom(), rgb(128, 255, 128));
    QCOMPARE(button.Style(), 4);
    QCOMPARE(button.FontSize(), 8);
    QVERIFY(!button.Text_Visible());
    QVERIFY(button.StretchToText());
    button.load({{"CAPTION", "锁屏"}, {"bordercolorhover", rgb(0, 0, 0)}});
    QCOMPARE(button.Caption(), QStringLiteral("锁屏"));
    QCOMPARE(button.BorderColorHover(), rgb(0, 0, 0));
}

void TestControls::newButtonShowsNoPicture()
{
    N_Shape button;
    button.initNew(QStringLiteral("N_Shape1"));
    QCOMPARE(button.Caption(), QStringLiteral("N_Shape1"));
    QVERIFY(button.StretchToText() && button.Text_Visible());
    QCOMPARE(button.width(), qCeil(QFontMetricsF(button.labelFont()).horizontalAdvance("N_Shape1")) + 16);
    QCOMPARE(button.CurPicture(), 0);
    QCOMPARE(button.ForeColorNormal(), rgb(0, 0, 0));
    QPixmap normal(8, 8);
    normal.fill(Qt::red);
    button.setPicture_Normal(normal);
    QCOMPARE(button.CurPicture(), 3);
}

void TestControls::pressDragOutReleaseOutside()
{
    QWidget window;
    N_Shape* button = placedButton(window);
    EventLog log(button);
    press(button, {20, 10});
    QCOMPARE(button->state(), N_Shape::Down);
    move(button, {200, 10}, Qt::LeftButton);
    QCOMPARE(button->state(), N_Shape::Normal);
    release(button, {200, 10});
    QCOMPARE(button->state(), N_Shape::Normal);
    QCOMPARE(log.events, QStringList({"MouseDown1", "MouseUp1", "Click"}));
}

void TestControls::rightClickNeverShowsDown()
{
    QWidget window;
    N_Shape* button = placedButton(window);
    EventLog log(button);
    press(button, {20, 10}, Qt::RightButton);
    QVERIFY(button->state() != N_Shape::Down);
    release(button, {20, 10}, Qt::RightButton);
    QCOMPARE(log.events, QStringList({"MouseDown2", "MouseUp2", "Click"}));
}

void TestControls::doubleClickOrder()
{
    QWidget window;
    N_Shape* button = placedButton(window);
    EventLog log(button);
    press(button, {20, 10});
    release(button, {20, 10});
    send(button, QEvent::MouseButtonDblClick, {20, 10}, Qt::LeftButton, Qt::LeftButton);
    release(button, {20, 10});
    log.events.removeAll("MouseDown1");
    log.events.removeAll("MouseUp1");
    QCOMPARE(log.events, QStringList({"Click", "DblClick", "Click"}));
}

void TestControls::hoverLookAndLeave()
{
    QWidget window;
    N_Shape* button = placedButton(window, {{"BackColorHover", rgb(1, 2, 3)}, {"BackColorNormal", rgb(9, 9, 9)}});
    EventLog log(button);
    move(button, {20, 10});
    move(button, {25, 12});
    QCOMPARE(button->state(), N_Shape::Hover);
    QCOMPARE(button->faceColor(), QColor(1, 2, 3));
    leave(button);
    QCOMPARE(button->state(), N_Shape::Normal);
    QCOMPARE(button->faceColor(), QColor(9, 9, 9));
    QCOMPARE(log.events, QStringList({"MouseEnter", "MouseLeave"}));
}

void TestControls::readingNormalColoursReturnsTheScreen()
{
    QWidget window;
    N_Shape* button = placedButton(
        window, {{"BackColorDown", rgb(5, 5, 5)}, {"ForeColorDown", rgb(6, 6, 6)}, {"BorderColorDown", rgb(7, 7, 7)}});
    press(button, {20, 10});
    QCOMPARE(button->BackColorNormal(), rgb(5, 5, 5));
    QCOMPARE(button->ForeColorNormal(), rgb(6, 6, 6));
    QCOMPARE(button->BorderColorNormal(), rgb(7, 7, 7));
}

void TestControls::stretchToTextLayout()
{
    QWidget window;
    N_Shape* button = placedButton(window);
    window.show();
    QCOMPARE(button->width(), 120);
    QCOMPARE(button->captionPosition().x(), (120 - QFontMetricsF(button->labelFont()).horizontalAdvance("OK")) / 2);
    button->setText_Visible(false);
    button->setStretchToText(true);
    QCOMPARE(button->width(), 16);
    button->setText_Visible(true);
    QVERIFY(button->width() > 16);
    QCOMPARE(button->captionPosition().x(), 8.0);
}

void TestControls::sameWidthStartsNoSecondLayout()
{
    QWidget window;
    N_Shape* button = placedButton(window);
    window.show();
    QSignalSpy resized(button, &N_Shape::Resize);
    button->setStretchToText(true); // the width changes once and comes back through the resize
    QCOMPARE(resized.count(), 1);
    button->Ajustar_Botao();
    button->resize(button->width(), button->height());
    QCOMPARE(resized.count(), 1);
}

void TestControls::enabledGreysAndRestores()
{
    QWidget window;
    N_Shape* button = placedButton(window, {{"ForeColorNormal", rgb(0, 0, 0)}, {"ForeColorHover", rgb(200, 0, 0)}});
    move(button, {20, 10});
    QCOMPARE(button->captionColor(), QColor(200, 0, 0));
    button->setEnabledState(false);
    QCOMPARE(button->captionColor(), QColor(179, 179, 179));
    QVERIFY(!button->Enabled());
    button->setEnabledState(true);
    QCOMPARE(button->captionColor(), QColor(0, 0, 0));
    window.setEnabled(false); // its window's state, or its own setEnabled, greys it all the same
    QCOMPARE(button->captionColor(), QColor(179, 179, 179));
    window.setEnabled(true);
    QCOMPARE(button->captionColor(), QColor(0, 0, 0));
}

void TestControls::foreColourSaveLoadRoundTrip()
{
    QWidget window;
    N_Shape* button = placedButton(window, {{"ForeColorNormal", rgb(128, 128, 255)}});
    const PropertyBag saved = button->save();
    QVERIFY(!saved.contains("forecolornormal"));
    N_Shape again(&window);
    again.load(saved);
    QCOMPARE(again.ForeColorNormal(), rgb(255, 128, 128));
    QCOMPARE(again.Caption(), QStringLiteral("OK"));
}

void TestControls::keyboardActivationAndFocusMoves()
{
    QWidget window;
    N_Shape* first = placedButton(window);
    N_Shape* second = placedButton(window);
    second->move(10, 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QSignalSpy clicks(first, &N_Shape::Click);
    QTest::keyClick(first, Qt::Key_Return);
    QTest::keyClick(first, Qt::Key_Space);
    QCOMPARE(clicks.count(), 2);
    QTest::keyClick(first, Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), second);
    QTest::keyClick(second, Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), first);
}

void TestControls::checkValuesWithClick_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("picture");
    QTest::newRow("unchecked") << 0 << 1 << 4;
    QTest::newRow("checked") << 1 << 0 << 0;
    QTest::newRow("third state") << 2 << 0 << 0;
    QTest::newRow("outside the range") << 5 << 5 << 8; // keeps what the third state showed
}

void TestControls::checkValuesWithClick()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(int, picture);
    QWidget window;
    CheckButton box(&window);
    box.setGeometry(0, 0, 100, 20);
    box.setValue(2);
    box.setValue(before);
    QSignalSpy clicks(&box, &CheckButton::Click);
    QTest::mouseClick(&box, Qt::LeftButton);
    QCOMPARE(box.Value(), after);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(box.pictureIndex(), picture);
}

void TestControls::checkAssignedValueShowsRestingPicture()
{
    CheckButton box;
    QSignalSpy clicks(&box, &CheckButton::Click);
    box.setValue(1);
    QCOMPARE(box.pictureIndex(), 4);
    box.setValue(2);
    QCOMPARE(box.pictureIndex(), 8);
    QCOMPARE(clicks.count(), 0);
}

void TestControls::checkDisabledLook()
{
    CheckButton box;
    box.load({{"Value", 1}, {"Caption", "设备"}, {"ForeColor", rgb(10, 20, 30)}});
    box.setEnabledState(false);
    QCOMPARE(box.pictureIndex(), 7);
    QCOMPARE(box.captionColor(), QColor(161, 161, 146));
    box.setEnabledState(true);
    QCOMPARE(box.pictureIndex(), 4);
    QCOMPARE(box.captionColor(), QColor(10, 20, 30));
}

void TestControls::checkHoverAndPressedPictures()
{
    QWidget window;
    CheckButton box(&window);
    box.setGeometry(0, 0, 100, 20);
    move(&box, {5, 5});
    QCOMPARE(box.pictureIndex(), 1);
    move(&box, {5, 5}, Qt::LeftButton);
    QCOMPARE(box.pictureIndex(), 2);
    leave(&box);
    QCOMPARE(box.pictureIndex(), 0);
}

void TestControls::checkSpaceDoesNotToggle()
{
    CheckButton box;
    QSignalSpy pressed(&box, &CheckButton::KeyPress);
    QTest::keyClick(&box, Qt::Key_Space);
    QCOMPARE(box.Value(), 0);
    QCOMPARE(pressed.count(), 1);
}

void TestControls::checkReportsMouseOutAfterOpening()
{
    QWidget window;
    auto* box = new CheckButton(&window);
    box->setGeometry(40, 40, 100, 20);
    QCursor::setPos(5, 5); // away from the box
    QSignalSpy out(box, &CheckButton::MouseOut);
    window.show();
    QTRY_COMPARE(out.count(), 1); // the real 50 ms first poll
    QTest::qWait(120);
    QCOMPARE(out.count(), 1);
}

void TestControls::optionExclusiveByContainerAndGroup()
{
    QWidget window;
    auto* frameA = new QGroupBox(&window);
    auto* frameB = new QGroupBox(&window);
    auto make = [](QWidget* parent, bool group) {
        auto* option = new OptionButton(parent);
        option->setGeometry(0, 0, 80, 20);
        option->load({{"Group", group}});
        return option;
    };
    OptionButton* a1 = make(frameA, false);
    OptionButton* a2 = make(frameA, false);
    OptionButton* aOther = make(frameA, true);
    OptionButton* b1 = make(frameB, false);
    OptionButton* onWindow = make(&window, false);
    for (OptionButton* option : {a1, aOther, b1, onWindow})
        option->setValue(true); // from code: nothing is cleared
    QVERIFY(a1->Value() && aOther->Value() && b1->Value() && onWindow->Value());
    QSignalSpy clicks(a2, &OptionButton::Click);
    QTest::mouseClick(a2, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(a2->Value());
    QVERIFY(!a1->Value());
    QVERIFY(aOther->Value() && b1->Value() && onWindow->Value());
}

void TestControls::optionAlreadySelectedRaisesNoClick()
{
    QWidget window;
    OptionButton option(&window);
    option.setGeometry(0, 0, 80, 20);
    option.setValue(true);
    QSignalSpy clicks(&option, &OptionButton::Click);
    QTest::mouseClick(&option, Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(option.pictureIndex(), 4);
}

void TestControls::optionDisabledIgnoresMouse()
{
    QWidget window;
    OptionButton option(&window);
    option.setGeometry(0, 0, 80, 20);
    option.setEnabledState(false);
    QCOMPARE(option.pictureIndex(), 3);
    QCOMPARE(option.captionColor(), OleColors::toQColor(OleColors::GrayText));
    QSignalSpy downs(&option, &OptionButton::MouseDown);
    press(&option, {5, 5});
    move(&option, {6, 6});
    release(&option, {5, 5});
    QCOMPARE(option.pictureIndex(), 3);
    QCOMPARE(downs.count(), 0);
    QVERIFY(!option.Value());
}

void TestControls::optionPressHoldMoveOutAndBack()
{
    QWidget window;
    OptionButton option(&window);
    option.setGeometry(0, 0, 80, 20);
    move(&option, {5, 5});
    QCOMPARE(option.pictureIndex(), 1);
    press(&option, {5, 5});
    QCOMPARE(option.pictureIndex(), 2);
    move(&option, {200, 5}, Qt::LeftButton);
    leave(&option);
    QCOMPARE(option.pictureIndex(), 2);
    move(&option, {5, 5}, Qt::LeftButton);
    QCOMPARE(option.pictureIndex(), 2);
    release(&option, {5, 5});
    QVERIFY(option.Value());
    QCOMPARE(option.pictureIndex(), 4);
}

void TestControls::optionSpaceSelects()
{
    QWidget window;
    OptionButton option(&window);
    QSignalSpy clicks(&option, &OptionButton::Click);
    QTest::keyPress(&option, Qt::Key_Space);
    QCOMPARE(option.pictureIndex(), 2);
    QVERIFY(!option.Value());
    QTest::keyRelease(&option, Qt::Key_Space);
    QVERIFY(option.Value());
    QCOMPARE(clicks.count(), 1);
}

void TestControls::optionCaptionRoundTrip()
{
    QWidget window;
    OptionButton option(&window);
    option.load({{"Caption", "Option"}});
    const PropertyBag saved = option.save();
    QVERIFY(!saved.contains("caption"));
    OptionButton again(&window);
    again.load(saved);
    QCOMPARE(again.Caption(), QStringLiteral("Option1"));
}

void TestControls::assistiveTechnologySeesControls()
{
    QWidget window;
    N_Shape* button = placedButton(window, {{"Caption", "启动"}});
    auto* box = new CheckButton(&window);
    box->load({{"Caption", "主界面置顶"}, {"Value", 1}});
    auto* option = new OptionButton(&window);
    option->load({{"Caption", "1920"}});

    QAccessibleInterface* pushButton = QAccessible::queryAccessibleInterface(button);
    QVERIFY(pushButton);
    QCOMPARE(pushButton->role(), QAccessible::Button);
    QCOMPARE(pushButton->text(QAccessible::Name), QStringLiteral("启动"));
    QSignalSpy clicks(button, &N_Shape::Click);
    pushButton->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);

    QAccessibleInterface* checkBox = QAccessible::queryAccessibleInterface(box);
    QCOMPARE(checkBox->role(), QAccessible::CheckBox);
    QCOMPARE(checkBox->text(QAccessible::Name), QStringLiteral("主界面置顶"));
    QVERIFY(checkBox->state().checked);
    checkBox->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(box->Value(), 0);

    QAccessibleInterface* radio = QAccessible::queryAccessibleInterface(option);
    QCOMPARE(radio->role(), QAccessible::RadioButton);
    QVERIFY(!radio->state().checked);
    radio->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(option->Value());
}

void TestControls::pathsBreakOnlyAtFolders_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("width");
    const QString installed = QStringLiteral("工具已安装到：");
    const QString windows = QStringLiteral("C:\\Program Files\\Pannix\\scrcpy-win64-v4.1");
    for (int width : {130, 200, 300})
        QTest::addRow("Windows, %d pixels", width) << installed << windows << width;
    QTest::newRow("Linux, a Chinese home")
        << installed << QStringLiteral("/home/用户张三/.local/share/Pannix/pannix/tools") << 150;
    // Room on the first line for "/" but not "/home/": the root goes on with its folder.
    const QString saved = QStringLiteral("保存在：");
    QTest::newRow("a root that would fit alone")
        << saved << QStringLiteral("/home/用户张三/Pannix") << QFontMetrics(QFont()).horizontalAdvance(saved + "/") + 2;
    QTest::newRow("a note that begins with its path") << QString() << QStringLiteral("D:\\aa\\bb\\cc\\dd\\ee") << 40;
}

// A note's path is broken only after a folder separator: never after "C:" or in "Program Files".
void TestControls::pathsBreakOnlyAtFolders()
{
    QFETCH(QString, before);
    QFETCH(QString, path);
    QFETCH(int, width);
    const QString text = before + path + QStringLiteral("。");
    const QString laid = FittedText::brokenAtFolders(text, path, QFont(), width);
    QCOMPARE(QString(laid).remove(QLatin1Char('\n')), text);
    // The path may begin a line of its own; within it, a line ends only at a separator.
    QString laidPath = laid.mid(before.size());
    if (laidPath.startsWith(QLatin1Char('\n')))
        laidPath.remove(0, 1);
    const QStringList lines = laidPath.split(QLatin1Char('\n'));
    for (qsizetype line = 0; line + 1 < lines.size(); ++line)
        QVERIFY2(lines[line].endsWith(QLatin1Char('\\')) || lines[line].endsWith(QLatin1Char('/')), qPrintable(laid));
    QVERIFY2(!laid.contains(QStringLiteral("C:\n")) && !laid.contains(QStringLiteral("：/\n")), qPrintable(laid));
    if (width <= 200) // too narrow for the whole path on one line
        QVERIFY2(lines.size() > 1, qPrintable(laid));
}

void TestControls::qtTextsSpeakTheUsersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("shown"); // a box's OK, the file dialog's "Look in", a field's Undo
    const QStringList chinese {"确定", "查找范围：", "撤消(&U)"};
    const QStringList english {"OK", "Look in:", "&Undo"};
    QTest::newRow("Chinese") << "zh_CN" << chinese;
    QTest::newRow("Chinese of Taiwan, as the program writes") << "zh_TW" << chinese;
    QTest::newRow("English") << "en_US" << english;
    QTest::newRow("German, shown in English") << "de_DE" << english;
}

// Qt's own texts, the buttons of a box, the file dialog and a field's menu, speak as the program does.
void TestControls::qtTextsSpeakTheUsersLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, shown);
    Language::use(QLocale(language));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("警告！"), QStringLiteral("x"), QMessageBox::Ok);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    const QStringList seen {box.button(QMessageBox::Ok)->text(), lookIn ? lookIn->text() : QString(),
        menu->actions().value(0)->text().section(QLatin1Char('\t'), 0, 0)};
    Language::use(QLocale(QStringLiteral("zh_CN")));
    QCOMPARE(seen, shown);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
