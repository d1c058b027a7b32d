// Tavlin Quorvane: a picture word-recall game.
#include "game/frmmain.h"
#include "toolkit/Application.h"

int main(int argc, char *argv[])
{
    tk::Application app(argc, argv);
    tk::Application::setApplicationName(QStringLiteral("tavlin-quorvane"));
    tk::Application::setApplicationDisplayName(QStringLiteral("Tavlin Quorvane"));
    tk::Application::setApplicationVersion(QStringLiteral(PROJECT_VERSION_STRING));
    tk::Application::setQuitOnLastWindowClosed(false);
    game::frmmain::defaultInstance().Show();
    return app.exec();
}
