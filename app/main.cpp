// Tavlin Quorvane: a picture word-recall game.
#include "game/frmmain.h"
#include "intro/frmRadavirar.h"
#include "rules/Draw.h"
#include "toolkit/Application.h"
#include "toolkit/Desktop.h"

#include <QPointer>
#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char *argv[])
{
#ifdef __GLIBC__
    // Decoded pictures are large and short-lived: they get mappings of their
    // own, returned whole when freed, so the heap does not fragment and grow
    // game after game (glibc would otherwise raise this threshold as they come and go).
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
#endif
    // Started from a console or over SSH: say what is missing and end plainly.
    if (const QString missing = tk::missingDesktop(argc, argv); !missing.isEmpty()) {
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
