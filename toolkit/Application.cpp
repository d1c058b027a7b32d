#include "toolkit/Application.h"
#include "toolkit/RuntimeError.h"

namespace tk {

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    runHandler([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace tk
