// Tavlin Quorvane: a picture word-recall game.
#include "game/frmmain.h"
#include "intro/frmRadavirar.h"
#include "rules/Draw.h"
#include "toolkit/Application.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

bool isSet(const char *name)
{
    return !qEnvironmentVariableIsEmpty(name);
}

// Qt's own choice of platform, "-platform name" or "--platform name".
bool platformChosen(int argc, char **argv)
{
    if (isSet("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-platform" || arg == "--platform")
            return true;
    }
    return false;
}

// A Wayland session whose compositor is found under its default name.
bool waylandSession()
{
    if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("wayland-0")));
}

// One line for the person who started the program when no graphical desktop
// can be reached from here; empty whenever Qt may find one: a display is
// named, the session is Wayland's, or the platform was chosen with
// QT_QPA_PLATFORM or Qt's -platform argument. Without a desktop, Qt would
// only advise reinstalling and abort.
QString missingDesktop(int argc, char **argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    if (platformChosen(argc, argv) || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || waylandSession())
        return {};
    return QStringLiteral("tavlin-quorvane needs a graphical desktop (X11 or Wayland), and there is none here: "
                          "neither DISPLAY nor WAYLAND_DISPLAY is set");
#else
    // Windows and macOS always have their desktop.
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return {};
#endif
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef __GLIBC__
    // Decoded pictures are large and short-lived: they get mappings of their
    // own, returned whole when freed, so the heap does not fragment and grow
    // game after game (glibc would otherwise raise this threshold as they come and go).
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
#endif
    // Started from a console or over SSH: say what is missing and end plainly.
    if (const QString missing = missingDesktop(argc, argv); !missing.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(missing));
        return 1;
    }
    // GTK's own accessibility bridge, which Qt's GTK theme would load beside
    // Qt's, holds up every screen reader's call to the program: Qt's alone speaks for it.
    if (!qEnvironmentVariableIsSet("NO_AT_BRIDGE"))
        qputenv("NO_AT_BRIDGE", "1");
    tk::Application app(argc, argv);
    tk::Application::setApplicationName(QStringLiteral("tavlin-quorvane"));
    tk::Application::setApplicationVersion(QStringLiteral(PROJECT_VERSION_STRING));
    // The windows end the program themselves once none is loaded: the intro
    // is a tool window, whose closing Qt does not count.
    tk::Application::setQuitOnLastWindowClosed(false);
    // The intro leads to the main window through its Start button; a window
    // destroys itself when it is unloaded, and one never loaded goes here.
    rules::ClockSeededRandom random;
    const QPointer<game::frmmain> mainWindow = new game::frmmain(random);
    const QPointer<intro::frmRadavirar> intro = new intro::frmRadavirar(*mainWindow);
    intro->Show();
    const int status = app.exec();
    delete intro.data();
    delete mainWindow.data();
    return status;
}
