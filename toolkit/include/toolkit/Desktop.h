#pragma once
// Whether the program can show a window at all, asked before the application
// object is made: without a desktop, Qt would only advise reinstalling and abort.
#include <QString>

namespace tk {

// One line for the person who started the program when no graphical desktop
// can be reached from here; empty whenever Qt may find one: a display is
// named, the session is Wayland's, or the platform was chosen with
// QT_QPA_PLATFORM or Qt's -platform argument.
QString missingDesktop(int argc, char **argv);

} // namespace tk
