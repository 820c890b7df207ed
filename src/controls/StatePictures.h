#pragma once

#include <QRectF>

class QPainter;

// The state pictures of the check box and the option button, drawn as shapes so they are sharp at
// any scale: four looks (resting, under the pointer, pressed, disabled) of each value, in the colours
// of the system's own controls. A check box has 12 (empty, ticked, grayed), an option button 8 (empty,
// chosen), numbered value by value, look by look.
namespace StatePictures {

enum class Kind { Check, Option };

int count(Kind kind);
// Draws picture index of the kind in a 13 x 13 box.
void draw(QPainter& painter, Kind kind, int index, const QRectF& box);

} // namespace StatePictures
