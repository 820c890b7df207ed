// The windows as their designs lay them out: every control's caption or text and its place, held
// as data and checked against the real windows. A caption swapped, a control moved or a window
// resized fails a row.
#include "Fixture.h"
#include "bridge/Language.h"
#include "client/ShortcutTable.h"
#include "controls/ContentScroller.h"
#include "controls/DrawnPicture.h"
#include "controls/OptionButton.h"
#include "controls/ScreenPlace.h"
#include "controls/Twips.h"
#include "info/About.h"
#include "info/DonatION.h"
#include "info/KJJ.h"
#include "info/meizu.h"
#include "launcher/AppPicker.h"
#include "launcher/options.h"
#include "panels/Freeze.h"
#include "panels/menu.h"
#include "sending/sendfiles.h"
#include "startup/pair.h"
#include "tools/tools.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtMath>

namespace {

// One control of a design: its name, its caption or text (null: not given by the design) and its
// place within its parent, in pixels (a negative width: only the place is given).
struct Row
{
    const char* name;
    QString text;
    QRect place;
};

// Places given in twips, as the start window's and the launcher's designs give them.
QRect tw(int left, int top, int width = -15, int height = -15)
{
    return QRect(Twips::toPixels(left), Twips::toPixels(top), width < 0 ? -1 : Twips::toPixels(width),
        height < 0 ? -1 : Twips::toPixels(height));
}

QString textOf(QWidget* widget)
{
    if (auto* button = qobject_cast<N_Shape*>(widget))
        return button->Caption();
    if (auto* check = qobject_cast<CheckButton*>(widget))
        return check->Caption();
    if (auto* option = qobject_cast<OptionButton*>(widget))
        return option->Caption();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        return field->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return frame->title();
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
        return box->toPlainText();
    return QStringLiteral("<no text>");
}

void checkRows(QWidget& window, const QList<Row>& rows)
{
    for (const Row& row : rows) {
        auto* widget = window.findChild<QWidget*>(QLatin1String(row.name));
        QVERIFY2(widget, row.name);
        if (!row.text.isNull())
            QCOMPARE(textOf(widget), row.text);
        const QRect place = widget->geometry();
        if (row.place.width() < 0)
            QCOMPARE(place.topLeft(), row.place.topLeft());
        else
            QCOMPARE(place, row.place);
    }
}

// A control added beside the design overlaps none of the window's direct children and lies inside it.
void checkApart(QWidget& window, const char* name)
{
    auto* added = window.findChild<QWidget*>(QLatin1String(name));
    QVERIFY2(added, name);
    for (QWidget* other : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(other == added || !added->geometry().intersects(other->geometry()), qPrintable(other->objectName()));
    QVERIFY2(window.rect().contains(added->geometry()), name);
}

// The focus mark of a check box or option button runs clear of its caption's characters: no pixel of
// the mark touches one of theirs, even corner to corner.
bool markClearOfCaption(StatePictureControl& box)
{
    box.clearFocus();
    const QImage plain = box.grab().toImage();
    box.setFocus(Qt::OtherFocusReason);
    const QImage marked = box.grab().toImage();
    box.clearFocus();
    const QRgb background = OleColors::toQColor(box.BackColor()).rgb();
    const int captionLeft = qCeil(box.captionPosition().x() * box.devicePixelRatioF());
    const auto ink
        = [&](int x, int y) { return x >= captionLeft && plain.valid(x, y) && plain.pixel(x, y) != background; };
    bool markSeen = false;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (marked.pixel(x, y) == plain.pixel(x, y))
                continue;
            markSeen = true;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (ink(x + dx, y + dy))
                        return false;
        }
    }
    return markSeen;
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::useTestFolders(); }

    void startWindow();
    void launcher();
    void keyPanel();
    void navigationBar();
    void informationWindows();
    void shortcutRowsBeforeVersionOneFifteen();
    void launcherOptionFragments_data();
    void launcherOptionFragments();
    void textsFitInBothLanguages_data();
    void textsFitInBothLanguages();
    void windowsFitTheScreen_data();
    void windowsFitTheScreen();
    void windowsOpenCentredOnTheirScreen_data();
    void windowsOpenCentredOnTheirScreen();
};

void TestLayout::startWindow()
{
    Fixture f;
    Start& start = f.grownStart();
    QCOMPARE(start.windowTitle(), QStringLiteral("Pannix 酷安@Tollen"));
    QCOMPARE(start.palette().color(QPalette::Window), QColor(128, 128, 255));
    checkRows(start,
        {
            {"Labelstart", QStringLiteral("欢迎使用 Pannix"), tw(240, 240, 7455, 975)},
            {"Label1nofo", QStringLiteral("基于Scrcpy有线投屏工具的GUI控制器   酷安@Tollen"), tw(960, 1200, 5775, 375)},
            {"cable", QStringLiteral("连接并启动"), tw(1320, 1800, 2325, 615)},
            {"wireless", QStringLiteral("设置与帮助"), tw(4080, 1800, 2325, 615)},
            {"Label1", QStringLiteral("请开启“USB调试”MIUI还需打开USB调试(安全设置)"), tw(1080, 2640, 5535, 375)},
            {"Label3", QStringLiteral(" 下载ADB驱动 "), tw(120, 3120, 1695, 375)},
            {"pairLink", QStringLiteral(" 无线配对 "), tw(6065, 3120, 1695, 375)},
            {"toolsLink", QStringLiteral(" 投屏工具 "), tw(3000, 3120, 1695, 375)},
            {"wxts", QStringLiteral("开启/更换端口："), tw(120, 3720, 1845, 375)},
            {"Textport", QStringLiteral("5555"), tw(2040, 3720, 855, 360)},
            {"devtect", QStringLiteral("检测已连接设备"), tw(3120, 3720, 1875, 375)},
            {"Label2",
                QStringLiteral("说明：第一次进行网络调试的设备需要进行端口绑定。先使用有线方式连接电脑，再开启端口。"
                               "输入设备IP地址(关于手机>状态信息>IPv4地址)若连接成功，则绑定完成，"
                               "下次无需再次开启端口(请勿更换)，仅需输入IP连接即可！"),
                tw(5280, 3720, 2535, 3255)},
            {"addressFrame", QStringLiteral("设备IP地址(免端口号)"), tw(120, 4200, 4935, 975)},
            {"connft", QString(""), tw(240, 370, 2055, 350)},
            {"connf", QStringLiteral("连接"), tw(2400, 360, 1125, 375)},
            {"disconnf", QStringLiteral("断开"), tw(3600, 360, 1125, 375)},
            {"ssxx", QStringLiteral("这里会显示操作返回结果\n"), tw(120, 5280, 4935, 1215)},
        });
    QCOMPARE(start.findChild<QWidget*>("connf")->parentWidget()->objectName(), QStringLiteral("addressFrame"));
    // The pairing and tools links overlap nothing of the design and lie inside the grown window.
    checkApart(start, "pairLink");
    checkApart(start, "toolsLink");
}

void TestLayout::launcher()
{
    Fixture f;
    Form1& form = f.launcher();
    QCOMPARE(form.windowTitle(), QStringLiteral("Pannix 酷安@Tollen"));
    QCOMPARE(form.size(), QSize(Twips::toPixels(8715), Twips::toPixels(5475)));
    checkRows(form,
        {
            {"frameResolution", QStringLiteral("分辨率"), tw(120, 120, 3855, 1215)},
            {"resolutionHint", QStringLiteral("按原设备比例设定纵向分辨率"), tw(480, 360)},
            {"defa", QStringLiteral("默认"), tw(240, 720)},
            {"QHD", QStringLiteral("1920"), tw(960, 720)},
            {"FHD", QStringLiteral("1440"), tw(1800, 720)},
            {"HD", QStringLiteral("1280"), tw(2760, 720)},
            {"frameOptions", QStringLiteral("附加设置"), tw(4080, 120, 4575, 1215)},
            {"topshow", QStringLiteral("主界面置顶"), tw(240, 360)},
            {"fmenux", QStringLiteral("悬浮工具栏"), tw(1680, 360)},
            {"HP", QStringLiteral("黑屏启动"), tw(3120, 360)},
            {"recor", QStringLiteral("启动时录屏"), tw(240, 720)},
            {"ST", QStringLiteral("显示触摸"), tw(1680, 720)},
            {"fulls", QStringLiteral("全屏启动"), tw(3120, 720)},
            {"frameBitRate", QStringLiteral("比特率(数值越高，延迟越高，但显示和录屏也越清晰)"),
                tw(120, 1440, 8535, 855)},
            {"BH", QStringLiteral("30Mbps"), tw(240, 360)},
            {"BM", QStringLiteral("20Mbps"), tw(1560, 360)},
            {"BTW", QStringLiteral("12Mbps"), tw(2880, 360)},
            {"Bdefa", QStringLiteral("8Mbps(默认)"), tw(4200, 360)},
            {"BL", QStringLiteral("4Mbps"), tw(6000, 360)},
            {"BZDY", QStringLiteral("2Mbps"), tw(7200, 360)},
            {"frameRecordName", QStringLiteral("自定义录屏文件名。默认为ScrRec"), tw(120, 2400, 3855, 975)},
            {"scrtext", QStringLiteral("ScrRec"), tw(240, 360, 3375, 375)},
            {"QSNUM", QStringLiteral("启动"), tw(4080, 2520, 1935, 855)},
            {"helpp", QStringLiteral("软件使用说明与帮助(酷安图文)"), tw(6120, 2520, 2535, 375)},
            {"N_Shape1hjj", QStringLiteral("查看快捷键"), tw(6120, 3000, 1215, 375)},
            {"N_Shape1about", QStringLiteral("关于"), tw(7440, 3000, 1215, 375)},
            {"frameNotice", QStringLiteral("公告"), tw(120, 3480, 5895, 1575)},
            {"frameDevices", QStringLiteral("多设备启动"), tw(6120, 3480, 2535, 1575)},
            {"devfc", QString(""), tw(240, 360)},
            {"devsc", QString(""), tw(240, 720)},
            {"devtc", QString(""), tw(240, 1080)},
            {"toolsLink", QStringLiteral("投屏工具"), tw(120, 5130, 1500, 300)},
            {"optionsLink", QStringLiteral("更多选项…"), tw(1740, 5130, 1500, 300)},
            {"sendLink", QStringLiteral("发送文件…"), tw(3360, 5130, 1500, 300)},
            {"launchStatus", QString(""), tw(4980, 5130, 3675, 300)},
        });
    checkApart(form, "toolsLink");
    checkApart(form, "optionsLink");
    checkApart(form, "sendLink");
    checkApart(form, "launchStatus");
    // The notice names the folder where the files really land.
    // The folder whole, or where the note's box is too small for it, its start and end around "…".
    const QString files = textOf(form.findChild<QWidget*>("noticeFiles")).remove(QLatin1Char('\n'));
    const QString output = QDir::toNativeSeparators(Paths::outputFolder());
    QVERIFY2(files.contains(output)
            || (files.contains(QStringLiteral("：") + output.left(3)) && files.contains(QStringLiteral("…"))
                && files.endsWith(output.right(3))),
        files.toUtf8().toPercentEncoding().constData());
}

void TestLayout::keyPanel()
{
    Fixture f;
    menu& keys = f.windows.keyPanel();
    QVERIFY(keys.windowTitle().isEmpty());
    QCOMPARE(keys.size(), QSize(81, 409));
    QCOMPARE(keys.palette().color(QPalette::Window), QColor(Qt::white));
    checkRows(keys,
        {
            {"LOCKSCR", QStringLiteral("锁屏"), QRect(8, 0, 67, 33)},
            {"VOLUP", QStringLiteral("音量+"), QRect(8, 40, 67, 33)},
            {"VOLDOWN", QStringLiteral("音量-"), QRect(8, 80, 67, 33)},
            {"MUTE", QStringLiteral("静音"), QRect(8, 120, 67, 33)},
            {"N_Shape1screencp", QStringLiteral("截屏"), QRect(8, 160, 67, 33)},
            {"N_Shapexia", QStringLiteral("音乐下一首"), QRect(8, 200, 67, 33)},
            {"N_Shapeshang", QStringLiteral("音乐上一首"), QRect(8, 240, 67, 33)},
            {"N_Shapepause", QStringLiteral("暂停/继续"), QRect(8, 280, 67, 33)},
            {"Label4", QString(), QRect(8, 336, 65, 81)}, // its text names the folder, shortened to fit
        });
}

void TestLayout::navigationBar()
{
    Fixture f;
    Freeze& bar = f.windows.navigationBar();
    QVERIFY(bar.windowTitle().isEmpty());
    QCOMPARE(bar.size(), QSize(381, 117));
    checkRows(bar,
        {
            {"BACKWARD", QStringLiteral("返回(鼠标右键)"), QRect(8, 8, 97, 33)},
            {"HOMEWARD", QStringLiteral("主页(按下滚轮)"), QRect(136, 8, 105, 33)},
            {"MEUNWARD", QStringLiteral("多任务"), QRect(272, 8, 97, 33)},
            {"Label4",
                QStringLiteral("若出现点击按钮后标题栏变焦从而遮挡投屏画面的情况，建议开启附加设置中的“主界面置顶”。"),
                QRect(8, 56, 361, 33)},
        });
}

void TestLayout::informationWindows()
{
    Fixture f;
    About& about = f.windows.about();
    QCOMPARE(about.windowTitle(), QStringLiteral("关于"));
    QCOMPARE(about.size(), QSize(Twips::toPixels(7095), Twips::toPixels(3450)));
    auto inAbout = [&](const char* name, const QString& text) {
        auto* widget = about.findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(widget, name);
        QCOMPARE(textOf(widget), text);
        QVERIFY2(about.rect().contains(widget->geometry()), name);
    };
    inAbout("Label2", QStringLiteral("V1.5.0"));
    inAbout("Label13", QStringLiteral("项目链接："));
    inAbout("Label15", QStringLiteral("点击访问"));
    inAbout("Label17", QStringLiteral("工具介绍(官方)："));
    inAbout("Label16", QStringLiteral("点击访问"));
    inAbout("Label18", QStringLiteral("Scrcpy Version：1.10"));
    inAbout("Label6", QStringLiteral("酷安：@Tollen"));
    inAbout("blockmi", QStringLiteral("个人主页"));
    inAbout("N_Shape2all", QStringLiteral("所有作品"));
    inAbout("N_Shape1boot", QStringLiteral("捐赠支持"));
    inAbout("Label4", QStringLiteral("交流群：") + f.deployment.values.supportGroupNumber);
    inAbout("N_Shape1", QStringLiteral("点击加入"));
    inAbout("Label11", QStringLiteral("基于Scrcpy有线投屏工具命令库制作的GUI控制台。提供便捷的设置选项。"));

    DonatION& donation = f.windows.donation();
    QCOMPARE(donation.windowTitle(), QStringLiteral("支持作者"));
    QCOMPARE(donation.size(), QSize(Twips::toPixels(11640), Twips::toPixels(5625)));
    QCOMPARE(textOf(donation.findChild<QWidget*>("Label1")),
        QStringLiteral("软件不设高级版、捐赠版。无论您是否捐赠都可以使用全部功能。 谢谢支持！"));

    meizu& warning = f.windows.meizuWarning();
    QCOMPARE(warning.windowTitle(), QStringLiteral("检测到魅族设备！"));
    QCOMPARE(warning.size(), QSize(Twips::toPixels(6480), Twips::toPixels(2055)));
    QCOMPARE(warning.findChild<QLabel*>("Image1")->size(), QSize(66, 66));
    QCOMPARE(textOf(warning.findChild<QWidget*>("Label1")),
        QStringLiteral("很抱歉！由于Flyme魔改Android源码，导致大部分设备无法显示投屏画面。工具可能无法正常使用！"));
    // Three buttons in one row, in this order.
    const char* buttons[] = {"N_Shape1about", "N_Shape2", "N_Shape1"};
    const QString captions[]
        = {QStringLiteral("退出软件"), QStringLiteral("查看原因及解决方法"), QStringLiteral("继续使用")};
    for (int i = 0; i < 3; ++i) {
        auto* button = warning.findChild<N_Shape*>(QLatin1String(buttons[i]));
        QCOMPARE(button->Caption(), captions[i]);
        QCOMPARE(button->y(), warning.findChild<N_Shape*>("N_Shape1about")->y());
        if (i > 0)
            QVERIFY(button->x() > warning.findChild<N_Shape*>(QLatin1String(buttons[i - 1]))->geometry().right());
    }

    KJJ& keys = f.windows.shortcutKeys();
    QCOMPARE(keys.windowTitle(), QStringLiteral("Shortcut Keys"));
    QCOMPARE(keys.size(), QSize(Twips::toPixels(14310), Twips::toPixels(6660)));
}

// The window's own table, for clients before 1.15, row by row (the screen-on row as the client
// really does it: one right click while the screen is off).
void TestLayout::shortcutRowsBeforeVersionOneFifteen()
{
    const QList<std::pair<QString, QString>> rows {{"切换全屏模式", "Ctrl + f"}, {"将窗口大小调整为1：1", "Ctrl + g"},
        {"调整窗口大小以删除黑色边框", "Ctrl + x 或 双击黑边"}, {"点击 HOME", "Ctrl + h 或 按下滚轮"},
        {"点击 BACK", "Ctrl + b 或 单击右键"}, {"点击 APP_SWITCH", "Ctrl + s"}, {"点击 MENU", "Ctrl + m"},
        {"点击 VOLUME_UP", "Ctrl + ↑"}, {"点击 VOLUME_DOWN", "Ctrl + ↓"}, {"点击 POWER", "Ctrl + p"},
        {"亮屏", "单击右键（息屏时）"}, {"关闭设备屏幕（保持镜像）", "Ctrl + o"}, {"展开通知面板", "Ctrl + n"},
        {"折叠通知面板", "Ctrl + Shift + n"}, {"将设备剪贴板复制到计算机", "Ctrl + c"},
        {"将计算机剪贴板粘贴到设备", "Ctrl + v"}, {"将计算机剪贴板复制到设备", "Ctrl + Shift + v"},
        {"启用/禁用FPS计数器（在标准输出上）", "Ctrl + i"}};
    const QVersionNumber version(1, 10);
    const QList<ShortcutTable::Row> drawn = ShortcutTable::leftRows(version) + ShortcutTable::rightRows(version);
    QCOMPARE(drawn.size(), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QCOMPARE(drawn[i].action, rows[i].first);
        QCOMPARE(drawn[i].shortcut, rows[i].second);
    }
    QCOMPARE(ShortcutTable::leftRows(version).size(), 9);
    QCOMPARE(ShortcutTable::leftNote(version),
        QStringLiteral("传输文件：拖拽文件至窗口，即可发送至手机的 /sdcard/ 文件夹。"));
    QCOMPARE(ShortcutTable::rightNote(), QStringLiteral("安装APK：拖拽.apk至窗口，即可安装软件。"));
}

// Each option on its own, with exactly the fragment it composes.
void TestLayout::launcherOptionFragments_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("words"); // what the option adds after the serial
    const QStringList sizeDefault {"-m", "0"}, rateDefault {"-b", "8M"};
    QTest::newRow("BH") << "BH" << (sizeDefault + QStringList {"-b", "30M", "--always-on-top"});
    QTest::newRow("BM") << "BM" << (sizeDefault + QStringList {"-b", "20M", "--always-on-top"});
    QTest::newRow("BTW") << "BTW" << (sizeDefault + QStringList {"-b", "12M", "--always-on-top"});
    QTest::newRow("Bdefa") << "Bdefa" << (sizeDefault + QStringList {"-b", "8M", "--always-on-top"});
    QTest::newRow("BL") << "BL" << (sizeDefault + QStringList {"-b", "4M", "--always-on-top"});
    QTest::newRow("BZDY") << "BZDY" << (sizeDefault + QStringList {"-b", "2M", "--always-on-top"});
    QTest::newRow("defa") << "defa" << (QStringList {"-m", "0"} + rateDefault + QStringList {"--always-on-top"});
    QTest::newRow("QHD") << "QHD" << (QStringList {"-m", "1920"} + rateDefault + QStringList {"--always-on-top"});
    QTest::newRow("FHD") << "FHD" << (QStringList {"-m", "1440"} + rateDefault + QStringList {"--always-on-top"});
    QTest::newRow("HD") << "HD" << (QStringList {"-m", "1280"} + rateDefault + QStringList {"--always-on-top"});
    QTest::newRow("topshow off") << "topshow" << (sizeDefault + rateDefault);
    QTest::newRow("HP") << "HP" << (sizeDefault + rateDefault + QStringList {"--always-on-top", "--turn-screen-off"});
    QTest::newRow("ST") << "ST" << (sizeDefault + rateDefault + QStringList {"--always-on-top", "--show-touches"});
    QTest::newRow("fulls") << "fulls" << (sizeDefault + rateDefault + QStringList {"--fullscreen", "--always-on-top"});
    QTest::newRow("recor") << "recor"
                           << (sizeDefault + rateDefault + QStringList {"--always-on-top", "--record", "ScrRec.mp4"});
}

void TestLayout::launcherOptionFragments()
{
    QFETCH(QString, control);
    QFETCH(QStringList, words);
    Fixture f;
    Form1& form = f.launcher();
    form.show();
    f.outside.settle();
    f.selectSlots({1});
    Fixture::click(form.findChild<QWidget*>(control));
    Fixture::click(form.QSNUM);
    f.outside.clear();
    for (int tick = 0; tick < 5; ++tick)
        form.tickTimerTOT();
    QCOMPARE(f.outside.starts.size(), 1);
    QCOMPARE(f.outside.starts[0].words, QStringList({"scrcpy", "-s", "SER1"}) + words);
}

void TestLayout::textsFitInBothLanguages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    for (const char* language : {"zh_CN", "en_US"}) {
        for (const char* window :
            {"Start", "Form1", "menu", "Freeze", "About", "DonatION", "meizu", "pair", "tools", "options", "KJJ"})
            QTest::addRow("%s, %s", window, language) << language << window;
    }
}

// Every text of every window fits its control whole, in Chinese and in English; in English no
// text is left in Chinese (a serial or a folder is shown as it is).
void TestLayout::textsFitInBothLanguages()
{
#ifdef Q_OS_WIN
    QSKIP("Wine has none of the fonts the windows are drawn in, so even the Chinese design does not fit there; "
          "the Linux run checks the fit with the CJK font the program needs");
#endif
    QFETCH(QString, language);
    QFETCH(QString, window);
    Language::use(QLocale(language));
    Fixture f;
    f.answer("version", "Android Debug Bridge version 1.0.41\nVersion 35.0.2-12147458\n");
    QWidget* shown = nullptr;
    if (window == "Start") {
        Start& start = f.grownStart();
        start.expandSize = 4200;
        for (int tick = 0; tick < 19; ++tick)
            start.tickTimerexpa();
        shown = &start;
    } else {
        QMap<QString, QWidget*> windows {{"Form1", &f.launcher()}, {"menu", &f.windows.keyPanel()},
            {"Freeze", &f.windows.navigationBar()}, {"About", &f.windows.about()}, {"DonatION", &f.windows.donation()},
            {"meizu", &f.windows.meizuWarning()}, {"pair", &f.windows.pairing()}, {"tools", &f.windows.toolsWindow()},
            {"options", &f.windows.moreOptions()}, {"KJJ", &f.windows.shortcutKeys()}};
        shown = windows.value(window);
        shown->show();
        f.outside.settle();
    }
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}\\x{3000}-\\x{303f}\\x{ff00}-\\x{ffef}]"));
    for (QWidget* control : shown->findChildren<QWidget*>()) {
        const QString text = textOf(control);
        if (text == QLatin1String("<no text>") || text.isEmpty() || !control->isVisibleTo(shown))
            continue;
        const QString name = control->objectName() + ": " + text;
        if (language == "en_US")
            QVERIFY2(!chinese.match(text).hasMatch() || control->objectName() == "noticeFiles", qPrintable(name));
        const QFontMetrics metrics(control->font());
        bool fits = true;
        if (auto* button = qobject_cast<N_Shape*>(control)) {
            const qreal width = QFontMetricsF(button->labelFont()).horizontalAdvance(text);
            fits = button->captionPosition().x() >= 0 && button->captionPosition().x() + width <= button->width();
        } else if (auto* box = qobject_cast<StatePictureControl*>(control)) {
            fits = box->captionPosition().x() + metrics.horizontalAdvance(text) <= box->width();
            if (box->isEnabled())
                QVERIFY2(markClearOfCaption(*box), qPrintable(name + " (its focus mark)"));
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            fits = metrics.horizontalAdvance(text) + 16 <= frame->width();
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            // A note that lies partly outside its window is fitted to the part inside.
            const QRect room
                = label->contentsRect().intersected(QRect(label->mapFrom(shown, QPoint(0, 0)), shown->size()));
            const QRect needed = label->wordWrap()
                ? metrics.boundingRect(QRect(0, 0, room.width(), 10000),
                    Qt::TextWordWrap | Qt::TextWrapAnywhere | label->alignment(), text) // as a label wraps
                : metrics.boundingRect(room, label->alignment(), text);
            // No word is cut, but a folder's path, which a label breaks anywhere.
            const bool wholeWords = !label->wordWrap() || text.contains(QDir::separator())
                || metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, text).width()
                    <= room.width();
            fits = wholeWords && needed.width() <= room.width() && needed.height() <= room.height();
        }
        QVERIFY2(fits, qPrintable(name));
    }
    // What the program draws for itself is drawn for the screen's scale, one device pixel to a pixel
    // (the suite runs again at 150 % and 200 %).
    shown->grab();
    for (const DrawnPicture* picture : shown->findChildren<DrawnPicture*>()) {
        if (picture->pixmap().isNull())
            continue;
        QCOMPARE(picture->pixmap().devicePixelRatio(), shown->devicePixelRatioF());
        QCOMPARE(picture->pixmap().size(), picture->size() * shown->devicePixelRatioF());
    }
    // A rectangular button's border is as thick on every side, at 150 % too.
    for (N_Shape* button : shown->findChildren<N_Shape*>()) {
        const QImage face = button->grab().toImage();
        if (!button->isVisibleTo(shown) || face.pixel(0, 0) != button->borderColor().rgb())
            continue;
        const auto edge = [&face](int x, int y, int dx, int dy) {
            int thickness = 0;
            for (const QRgb first = face.pixel(x, y); face.valid(x, y) && face.pixel(x, y) == first; x += dx, y += dy)
                ++thickness;
            return thickness;
        };
        const int top = edge(face.width() / 2, 0, 0, 1);
        QVERIFY2(edge(face.width() / 2, face.height() - 1, 0, -1) == top && edge(0, face.height() / 2, 1, 0) == top
                && edge(face.width() - 1, face.height() / 2, -1, 0) == top,
            qPrintable(button->objectName()));
    }
    Language::use(QLocale(QStringLiteral("zh_CN")));
}

void TestLayout::windowsFitTheScreen_data()
{
    QTest::addColumn<QString>("window");
    for (const char* window :
        {"Start", "Form1", "About", "DonatION", "meizu", "KJJ", "pair", "tools", "options", "AppPicker", "sendfiles"})
        QTest::newRow(window) << window;
}

// Every window opens wholly within the room its screen offers (the suite runs this on a laptop's
// and a desktop's screen at each scale, and dragged from a desk to a laptop at 150 % beside it):
// where its design is larger, its content scrolls, and every control the keyboard reaches is brought
// into view.
void TestLayout::windowsFitTheScreen()
{
    QFETCH(QString, window);
    Fixture f;
    QWidget* shown = nullptr;
    if (window == "Start") {
        Start& start = f.grownStart(); // and with its wireless part open, its largest
        start.expandSize = 4200;
        for (int tick = 0; tick < 19; ++tick)
            start.tickTimerexpa();
        shown = &start;
    } else {
        const QMap<QString, QWidget*> windows {{"Form1", &f.launcher()}, {"About", &f.windows.about()},
            {"DonatION", &f.windows.donation()}, {"meizu", &f.windows.meizuWarning()},
            {"KJJ", &f.windows.shortcutKeys()}, {"pair", &f.windows.pairing()}, {"tools", &f.windows.toolsWindow()},
            {"options", &f.windows.moreOptions()}, {"AppPicker", &f.windows.appPicker()},
            {"sendfiles", &f.windows.sendWindow()}};
        shown = windows.value(window);
        AppWindows::bringUp(*shown);
    }
    if (QGuiApplication::screens().size() == 2) { // dragged from the desk to the laptop beside it
        QScreen* laptop = QGuiApplication::screens().at(1);
        shown->move(laptop->geometry().topLeft() + QPoint(20, 20));
        QTRY_COMPARE(shown->screen(), laptop);
    }
    const QRect available = shown->screen()->availableGeometry();
    // Within the screen with the frame it has, and with room for a title bar and borders at the least.
    const QSize nominal = shown->size().grownBy(ScreenPlace::NominalFrame);
    QVERIFY(nominal.width() <= available.width() && nominal.height() <= available.height());
    QVERIFY(available.contains(shown->frameGeometry()));
    const ContentScroller* scroller = ContentScroller::of(*shown);
    if (!scroller || (!scroller->verticalBar()->isVisible() && !scroller->horizontalBar()->isVisible()))
        return;
    // The wheel turned over the window scrolls it down, or across with Shift held (or where it only
    // scrolls across).
    const auto turn = [shown](Qt::KeyboardModifiers keys) {
        QWheelEvent wheel(QPointF(5, 5), shown->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
            keys, Qt::NoScrollPhase, false);
        QApplication::sendEvent(shown, &wheel);
    };
    const bool down = scroller->verticalBar()->isVisible();
    QScrollBar* turned = down ? scroller->verticalBar() : scroller->horizontalBar();
    turn(Qt::NoModifier);
    QVERIFY(turned->value() > 0);
    QCOMPARE(down ? scroller->offset().y() : scroller->offset().x(), turned->value());
    turn(Qt::ShiftModifier);
    QVERIFY(!scroller->horizontalBar()->isVisible() || scroller->horizontalBar()->value() > 0);
    turned->setValue(0);
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    const QRect view(QPoint(), QSize(scroller->horizontalBar()->width(), scroller->verticalBar()->height()));
    for (QWidget* control : shown->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(shown) || !control->isEnabled() || control->focusPolicy() == Qt::NoFocus
            || control->focusProxy())
            continue;
        control->setFocus(Qt::TabFocusReason);
        const QRect place(control->mapTo(shown, QPoint()), control->size());
        QVERIFY2(view.contains(place) || (place.height() > view.height() || place.width() > view.width()),
            qPrintable(control->objectName()));
    }
}

void TestLayout::windowsOpenCentredOnTheirScreen_data()
{
    QTest::addColumn<QString>("window");
    for (const char* window : {"Start", "About", "tools", "pair"})
        QTest::newRow(window) << window;
}

// A window with no place of its own opens centred on its screen and inside it, the start window for
// the size it grows to; the frame the window system adds is allowed for (a title bar, thin borders).
void TestLayout::windowsOpenCentredOnTheirScreen()
{
    QFETCH(QString, window);
    Fixture f;
    QWidget* shown = window == "Start" ? &f.grownStart()
        : window == "About"            ? static_cast<QWidget*>(&f.windows.about())
        : window == "tools"            ? static_cast<QWidget*>(&f.windows.toolsWindow())
                                       : static_cast<QWidget*>(&f.windows.pairing());
    AppWindows::bringUp(*shown);
    const QRect available = shown->screen()->availableGeometry();
    const QSize framed = shown->size().grownBy(ScreenPlace::NominalFrame);
    if (framed.width() > available.width() || framed.height() > available.height())
        QSKIP("the offscreen screen is smaller than the window at this scale");
    QVERIFY(available.contains(shown->geometry()));
    const QPoint offCentre = shown->geometry().center() - available.center();
    QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 16,
        qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
