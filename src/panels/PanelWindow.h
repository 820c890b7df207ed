#pragma once

#include <QWidget>

class QLabel;

// What both floating panels share: a tool window with an empty title and a white face, and a
// wrapping note in the designed label font.
namespace PanelWindow {

void setUp(QWidget& panel, const QRect& clientGeometry);
QLabel* note(QWidget* panel, const QString& text, const QRect& place);

} // namespace PanelWindow
