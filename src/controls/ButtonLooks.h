#pragma once

#include "PropertyBag.h"

class N_Shape;
class QWidget;

// The stored looks the window definitions give their push buttons.
namespace ButtonLooks {

// The buttons of the start window, the launcher and the information windows.
PropertyBag window();
// Every button of both floating panels.
PropertyBag panel();

// Creates a push button on parent from its stored properties.
N_Shape* create(QWidget* parent, const QString& name, const PropertyBag& look, const QString& caption);

} // namespace ButtonLooks
