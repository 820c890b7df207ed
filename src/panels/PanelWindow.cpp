#include "PanelWindow.h"

#include "controls/CaptionFont.h"
#include "controls/WidgetColors.h"

#include <QLabel>

namespace PanelWindow {

void setUp(QWidget& panel, const QRect& clientGeometry)
{
    panel.setWindowFlags(Qt::Tool);
    panel.setWindowTitle(QString());
    panel.setAutoFillBackground(true);
    QPalette white = panel.palette();
    white.setColor(QPalette::Window, Qt::white);
    panel.setPalette(white);
    // The design's first place on the screen; the user may move and resize the panel freely.
    panel.setGeometry(clientGeometry);
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
