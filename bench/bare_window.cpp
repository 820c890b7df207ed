// The baselines: a bare Qt program that shows one window the size of the start window, either
// empty or with the start window's texts in the same fonts, each text measured once before the
// window shows, as any window that lays out its texts does (the fonts are loaded then).
//
//   bare_window paint|memory [texts]
#include "ProbeCommon.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace {

void addStartTexts(QWidget& window)
{
    struct Text
    {
        const char* text;
        QRect place;
        double points;
    };
    const Text texts[] = {{"欢迎使用 Pannix", {16, 16, 497, 65}, 26},
        {"基于Scrcpy有线投屏工具的GUI控制器   酷安@Tollen", {64, 80, 385, 25}, 10},
        {"连接并启动", {88, 120, 155, 41}, 12}, {"设置与帮助", {272, 120, 155, 41}, 12},
        {"请开启“USB调试”MIUI还需打开USB调试(安全设置)", {72, 176, 369, 25}, 10},
        {" 下载ADB驱动 ", {8, 208, 113, 25}, 10}};
    for (const Text& text : texts) {
        auto* label = new QLabel(QString::fromUtf8(text.text), &window);
        QFont font;
        font.setFamilies(
            {QStringLiteral("Microsoft YaHei"), QStringLiteral("微软雅黑"), QStringLiteral("WenQuanYi Micro Hei"),
                QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")});
        font.setPointSizeF(text.points);
        label->setFont(font);
        label->setGeometry(text.place);
        label->sizeHint(); // lays the text out in its font
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("paint");
    QWidget window;
    window.resize(525, 236);
    if (argc > 2 && QLatin1String(argv[2]) == QLatin1String("texts"))
        addStartTexts(window);
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
