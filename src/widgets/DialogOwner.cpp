#include "widgets/DialogOwner.h"

#include "widgets/FullScreenWindow.h"

QWidget* DialogOwner(QWidget* active, QWidget* operatorWindow)
{
    if (!active)
        return operatorWindow;
    // On the operator's own screen a window for the audience stays the owner:
    // a box owned by the menu behind it might open behind it too.
    const bool audienceElsewhere =
        dynamic_cast<FullScreenWindow*>(active) && operatorWindow && active->screen() != operatorWindow->screen();
    return audienceElsewhere ? operatorWindow : active;
}
