#include "AppWindows.h"
#include "bridge/Language.h"
#include "startup/Start.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pannix"));
    QApplication::setApplicationName(QStringLiteral("pannix"));
    // The program ends when the start window or the launcher closes, not with the last window.
    QApplication::setQuitOnLastWindowClosed(false);
    Language::use();

    AppWindows windows;
    Start& start = windows.start();
    // Without the bridge tool the tools window is open instead, and the start window follows an install.
    if (start.toolCheckPassed())
        start.show();
    return QApplication::exec();
}
