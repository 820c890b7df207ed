#pragma once

#include <QFont>

// The face the captions are designed for, with the CJK faces a Linux desktop has instead.
QFont captionFont(double points, bool bold = false);
