#pragma once

#include <Qt>

// The key codes, shift masks and mouse-button masks that the controls' events carry.
namespace KeyCodes {

int keyCode(int qtKey);
int shiftMask(Qt::KeyboardModifiers modifiers);
int buttonMask(Qt::MouseButtons buttons);

} // namespace KeyCodes
