// The baseline: a bare Qt program that shows one window the size of the start window.
#include "ProbeCommon.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("paint");
    QWidget window;
    window.resize(525, 236);
    Probe::FirstPaint paint;
    if (mode == QLatin1String("paint"))
        window.installEventFilter(&paint);
    window.show();
    if (mode == QLatin1String("memory"))
        QTimer::singleShot(300, &app, [] {
            Probe::reportPeakMemory();
            QCoreApplication::exit(0);
        });
    return app.exec();
}
