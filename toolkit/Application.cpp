#include "toolkit/Application.h"
#include "toolkit/Colour.h"
#include "toolkit/RuntimeError.h"

namespace tk {

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // The windows were designed in dark text on light controls: a dark
    // desktop theme must not turn their text light on their light backgrounds.
    keepStandardPalette();
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    runHandler([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace tk
