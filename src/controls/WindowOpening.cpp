#include "WindowOpening.h"

#include "ContentScroller.h"
#include "ScreenPlace.h"

#include <QCursor>
#include <QWidget>

namespace WindowOpening {

void bringUp(QWidget& window)
{
    const bool first = !window.testAttribute(Qt::WA_WState_ExplicitShowHide);
    if (first && !window.testAttribute(Qt::WA_Moved)) {
        window.move(ScreenPlace::centred(window.size(), ScreenPlace::availableAround(QCursor::pos())).topLeft());
        ContentScroller::fit(window);
        ScreenPlace::centreOnScreen(window, window.size());
    } else if (first) {
        ContentScroller::fit(window);
    }
    window.show();
    window.raise();
    if (!first)
        return;
    ContentScroller::fit(window); // with the frame the window system gave it
    ScreenPlace::keepOnScreen(window);
    ContentScroller::followScreens(window);
}

} // namespace WindowOpening
