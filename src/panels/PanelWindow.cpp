#include "PanelWindow.h"

#include "controls/CaptionFont.h"
#include "controls/ScreenPlace.h"
#include "controls/WidgetColors.h"

#include <QLabel>
#include <QWindow>

namespace PanelWindow {

void setUp(QWidget& panel, const QRect& clientGeometry)
{
    panel.setWindowFlags(Qt::Tool);
    panel.setWindowTitle(QString());
    // The window system would name an untitled window after the program; a blank title keeps the
    // title bar empty, as designed.
    panel.winId();
    panel.windowHandle()->setTitle(QStringLiteral(" "));
    panel.setAutoFillBackground(true);
    QPalette white = panel.palette();
    white.setColor(QPalette::Window, Qt::white);
    panel.setPalette(white);
    // The design's first place on the screen, moved within it when the screen is smaller than the
    // design's; the user may move and resize the panel freely.
    ScreenPlace::placeOnScreen(panel, clientGeometry);
}

QLabel* note(QWidget* panel, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, panel);
    label->setObjectName(QStringLiteral("Label4"));
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(captionFont(9));
    WidgetColors::setText(label, Qt::black);
    return label;
}

} // namespace PanelWindow
