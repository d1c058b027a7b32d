// Tavlin Quorvane: a picture word-recall game.
#include "intro/frmRadavirar.h"
#include "toolkit/Application.h"

int main(int argc, char *argv[])
{
    tk::Application app(argc, argv);
    tk::Application::setApplicationName(QStringLiteral("tavlin-quorvane"));
    tk::Application::setApplicationVersion(QStringLiteral(PROJECT_VERSION_STRING));
    // The windows end the program themselves once none is loaded: the intro
    // is a tool window, whose closing Qt does not count.
    tk::Application::setQuitOnLastWindowClosed(false);
    // The intro leads to the main window through its Start button.
    (new intro::frmRadavirar)->Show();
    return app.exec();
}
