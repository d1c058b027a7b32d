#include "intro/frmRadavirar.h"
#include "designs/FrmRadavirarDesign.h"
#include "designs/Publisher.h"
#include "intro/Hyperlinkmodule.h"

namespace intro {

namespace {
const tk::OleColor buttonColour = tk::rgb(192, 192, 255);
} // namespace

frmRadavirar::frmRadavirar(game::frmmain &main, QWidget *parent)
    : tk::Form(designs::frmRadavirarDesign(), parent)
    , m_main(&main)
{
    // Before anything makes the native window: the fade may need it translucent.
    Hyperlinkmodule::preparelayered(*this);
}

void frmRadavirar::bindControls()
{
    lblmaintitle1 = &control<tk::Label>(QStringLiteral("lblmaintitle1"));
    lblmaintitle2 = &control<tk::Label>(QStringLiteral("lblmaintitle2"));
    lblrules = &control<tk::Label>(QStringLiteral("lblrules"));
    cmdok = &control<tk::CommandButton>(QStringLiteral("cmdok"));
    cmdcancel = &control<tk::CommandButton>(QStringLiteral("cmdcancel"));
    Timer1 = &control<tk::Timer>(QStringLiteral("Timer1"));
    Timer2 = &control<tk::Timer>(QStringLiteral("Timer2"));

    Timer1->onTimer = [this] { Timer1_Timer(); };
    Timer2->onTimer = [this] { Timer2_Timer(); };
    cmdok->onClick = [this] { cmdok_Click(); };
    cmdcancel->onClick = [this] { cmdcancel_Click(); };
}

void frmRadavirar::applyAlphaLevel()
{
    // The handle is read afresh for every call.
    Hyperlinkmodule::settransparency(winId(), alphalevel);
}

void frmRadavirar::Form_Load()
{
    lblrules->setVisible(false);
    cmdok->setVisible(false);
    cmdcancel->setVisible(false);
    lblmaintitle1->setCaption(QStringLiteral("Tavlin Quorvane"));
    lblmaintitle2->setCaption(QStringLiteral("Created by ") + designs::publisherSite());
    Timer2->setEnabled(false);
    fadingin = tk::vbTrue;
    // Layered and fully transparent before the window is first shown.
    applyAlphaLevel();
    cmdcancel->setBackColor(buttonColour);
    cmdok->setBackColor(buttonColour);
}

void frmRadavirar::Timer1_Timer()
{
    // The player cannot press Start before the rules show: once the title is
    // on screen, the main window is made meanwhile, with its fonts and icon,
    // so that Start only has to deal a game and show it.
    if (hasPainted() && m_main)
        m_main->prepare();
    if (fadingin == tk::vbTrue)
        alphalevel = alphalevel + 10;
    else
        alphalevel = alphalevel - 10;
    fadesteps = fadesteps + 10;
    // Read before the clamp: 260 is what the 26th step computes.
    if (alphalevel == 260)
        fadingin = tk::vbFalse;
    applyAlphaLevel();
    // 52 ticks: 26 in, 26 out, ending on a fully transparent window.
    if (fadesteps == 520) {
        Timer1->setEnabled(false);
        Timer2->setEnabled(true);
        alphalevel = 0;
    }
}

void frmRadavirar::Timer2_Timer()
{
    // The window is fully transparent at the first tick, so the title and the
    // rules are never seen together.
    lblmaintitle1->setVisible(false);
    lblmaintitle2->setVisible(false);
    lblrules->setVisible(true);
    cmdok->setVisible(true);
    cmdcancel->setVisible(true);
    lblrules->setCaption(QStringLiteral(
        "There are some pictures with their names displayed on the screen. You have 20 seconds to "
        "remember them. Write the correct names of pictures in 2 minutes."));
    // Once opaque, every tick computes 265 and the clamp holds it at 255.
    alphalevel = alphalevel + 10;
    applyAlphaLevel();
}

void frmRadavirar::cmdok_Click()
{
    unload();
    if (m_main)
        m_main->Show();
}

void frmRadavirar::cmdcancel_Click()
{
    unload();
}

} // namespace intro
