#include "toolkit/HiddenOwner.h"

#include <QWindow>

namespace tk {

void giveHiddenOwner(QWidget &window)
{
    // The owner is a Qt window, not one made through user32: every time Qt
    // shows a top-level window on Windows it sets the native owner to the
    // window's transient parent, and to none when that is no window of Qt's
    // own, so an owner set behind Qt's back would be dropped at the first show.
    auto *owner = new QWindow;
    owner->QObject::setParent(&window);  // destroyed with the window it owns
    owner->setObjectName(QStringLiteral("hiddenOwner"));
    owner->create();                     // a native window, never shown
    window.winId();                      // the window's own QWindow
    window.windowHandle()->setTransientParent(owner);
}

} // namespace tk
