// Renders every window to a PNG in the folder given as the first argument, for looking at them
// (run it under Xvfb, or with QT_QPA_PLATFORM=offscreen). Tool starts and message boxes go to a
// recorder, so nothing leaves the process. The system's language decides, as in the program. With "--stay" as the
// second argument the windows stay open, for screenshots of the whole screen with the pointer over them.
#include "ProgramFolder.h"
#include "RecordingOutside.h"
#include "TestSupport.h"
#include "app/AppWindows.h"
#include "bridge/DeviceModel.h"
#include "bridge/Language.h"
#include "controls/CheckButton.h"
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
#include "state/ChosenOptions.h"
#include "state/ProgramState.h"
#include "tools/tools.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Language::use(); // as the program does: LANG=en_US.UTF-8 shows the windows in English
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots");
    QDir().mkpath(folder);
    QStandardPaths::setTestModeEnabled(true);
    ProgramFolder program;
    RecordingOutside outside;
    AppWindows windows;
    // A bridge tool that pairs, and whose discovery runs.
    outside.answers[QStringLiteral("version")]
        = ToolAnswer::exited(0, "Android Debug Bridge version 1.0.41\nVersion 35.0.2-12147458\n");
    outside.answers[QStringLiteral("mdns")]
        = ToolAnswer::exited(0, "mdns daemon version [Openscreen discovery 0.0.0]\n");

    Start& start = windows.start();
    start.show();
    while (start.Timerst->isActive())
        start.tickTimerst();
    start.expandSize = 4200;
    for (int tick = 0; tick < 19; ++tick)
        start.tickTimerexpa();

    // Two phones, the second with options of its own, and the first one's apps.
    Form1& launcher = windows.form1();
    windows.state().devices().setListed(
        {{QStringLiteral("emulator-5554"), QStringLiteral("\t"), QStringLiteral("device")},
            {QStringLiteral("192.168.1.23:5555"), QStringLiteral("\t"), QStringLiteral("device")}});
    MoreOptions own;
    own.choose(ClientOptions::Choice::Camera);
    own.choose(ClientOptions::Choice::Turn90);
    windows.state().chosenOptions().set(QStringLiteral("192.168.1.23:5555"), own);
    outside.answers[QStringLiteral("shell")]
        = ToolAnswer::exited(0, "package:com.example.notes\npackage:org.videolan.vlc\n");
    windows.appPicker().listFor(QStringLiteral("emulator-5554"));

    const QList<QWidget*> all {&start, &launcher, &windows.keyPanel(), &windows.navigationBar(), &windows.about(),
        &windows.donation(), &windows.meizuWarning(), &windows.shortcutKeys(), &windows.pairing(),
        &windows.toolsWindow(), &windows.moreOptions(), &windows.appPicker(), &windows.sendWindow()};
    for (QWidget* window : all) {
        if (window != &start)
            AppWindows::bringUp(*window); // as the program opens them: fitted to the screen
    }
    const bool stay = argc > 2 && qstrcmp(argv[2], "--stay") == 0;
    launcher.move(0, 0);
    QTimer::singleShot(500, &app, [&] {
        for (QWidget* window : all)
            window->grab().save(folder + QLatin1Char('/') + window->objectName() + QStringLiteral(".png"));
        // Each page of a window of pages, beside its first.
        for (QWidget* window : all) {
            for (auto* pages : window->findChildren<QTabWidget*>()) {
                for (int page = 1; page < pages->count(); ++page) {
                    pages->setCurrentIndex(page);
                    window->grab().save(folder + QStringLiteral("/%1-%2.png").arg(window->objectName()).arg(page + 1));
                }
                pages->setCurrentIndex(0);
            }
        }
        if (!stay)
            app.quit();
    });
    return app.exec();
}
