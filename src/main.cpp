#include "AppWindows.h"
#include "Language.h"
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
    if (!start.toolCheckPassed())
        return 1;
    start.show();
    return QApplication::exec();
}
