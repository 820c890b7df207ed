#pragma once

class QWidget;

namespace WindowOpening {

// Shows a window non-modal and brings it to the front; the opener stays usable. The first time, a
// window with no place of its own opens centred on the screen the user is looking at, fitted to it,
// and follows the screens it is moved to from then on.
void bringUp(QWidget& window);

} // namespace WindowOpening
