#include "toolkit/Desktop.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

namespace tk {

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
} // namespace

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

} // namespace tk
