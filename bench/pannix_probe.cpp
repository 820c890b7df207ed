// The program as main() starts it, reporting the first paint of the start window, or its peak
// memory once the launcher and both panels are shown. The second argument is the program's folder.
#include "ProbeCommon.h"
#include "app/AppWindows.h"
#include "bridge/Paths.h"
#include "launcher/Form1.h"
#include "panels/Freeze.h"
#include "panels/menu.h"
#include "startup/Start.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pannix"));
    QApplication::setApplicationName(QStringLiteral("pannix-bench"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("paint");
    if (argc > 2)
        Paths::setProgramFolder(QString::fromLocal8Bit(argv[2]));

    AppWindows windows;
    Start& start = windows.start();
    if (!start.toolCheckPassed())
        return 1;
    Probe::FirstPaint paint;
    if (mode == QLatin1String("paint"))
        start.installEventFilter(&paint);
    start.show();
    if (mode == QLatin1String("memory")) {
        windows.form1().show();
        windows.keyPanel().show();
        windows.navigationBar().show();
        QTimer::singleShot(300, &app, [] {
            Probe::reportPeakMemory();
            QCoreApplication::exit(0);
        });
    }
    return QApplication::exec();
}
