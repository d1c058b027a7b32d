#include "ContentFade.h"

#include <QGraphicsOpacityEffect>
#include <QGuiApplication>

namespace intro::ContentFade {

namespace {
// The platforms whose windows take an opacity of their own. They are asked
// for by name: Qt says whether a platform supports window opacity only
// through its private platform API, which would tie the game to one Qt build.
// (Windows builds fade through user32; here they only learn that they need
// nothing more.)
const QStringList wholeWindowOpacity = {QStringLiteral("xcb"), QStringLiteral("cocoa"), QStringLiteral("windows")};

// The opacity effect of a part of the window's content; made on first use,
// at the full level the part had until then. A part that carries some other
// effect of its own is left as it is.
QGraphicsOpacityEffect *fadeOf(QWidget &part)
{
    if (!part.graphicsEffect()) {
        auto *fade = new QGraphicsOpacityEffect(&part);
        fade->setOpacity(1.0);
        part.setGraphicsEffect(fade);
    }
    return qobject_cast<QGraphicsOpacityEffect *>(part.graphicsEffect());
}
} // namespace

bool isNeeded()
{
    return !wholeWindowOpacity.contains(QGuiApplication::platformName());
}

void prepare(QWidget &window)
{
    if (isNeeded())
        window.setAttribute(Qt::WA_TranslucentBackground);
}

void apply(QWidget &window, qreal opacity)
{
    // A window cannot carry an effect itself; its parts can, and together they
    // cover it (a main window's client area, its menu bar). What lies within a
    // part is drawn into it first, so labels, buttons and lines fade as one.
    for (QWidget *part : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QGraphicsOpacityEffect *fade = part->isWindow() ? nullptr : fadeOf(*part);
        if (!fade || qFuzzyCompare(fade->opacity(), opacity))
            continue;  // a window held at one level costs nothing to keep
        fade->setOpacity(opacity);
        // Qt (6.4) repaints an effect's widget without the children that
        // paint their own opaque background (labels, buttons with a colour):
        // they would keep an older level. Their own repaints do go through
        // the effect, so every child is asked for one.
        for (QWidget *inner : part->findChildren<QWidget *>())
            inner->update();
    }
}

} // namespace intro::ContentFade
