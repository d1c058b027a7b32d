#include "designs/FrmRadavirarDesign.h"
#include "catalog/ImageList.h"

namespace designs {

namespace {

using tk::ControlDesign;
using tk::ControlKind;

constexpr tk::OleColor lightOrange = tk::rgb(255, 224, 192);  // the window's colour
constexpr tk::OleColor lightPink = tk::rgb(255, 192, 255);

ControlDesign label(const char *name, float left, float top, float width, float height,
                    tk::FontDesign font, int tab)
{
    ControlDesign d = tk::ControlDesign(ControlKind::Label, name, left, top, width, height);
    d.caption = QStringLiteral("Label1");
    d.font = std::move(font);
    d.tabIndex = tab;
    return d;
}

ControlDesign button(const char *name, float left, const QString &caption, tk::OleColor back, int tab)
{
    ControlDesign d = tk::ControlDesign(ControlKind::CommandButton, name, left, 1430, 1095, 300);
    d.caption = caption;
    d.graphical = true;
    d.backColor = back;
    d.font = tk::FontDesign{QStringLiteral("Garamond"), 12, true};
    d.tabIndex = tab;
    return d;
}

ControlDesign timer(const char *name)
{
    ControlDesign d = tk::ControlDesign(ControlKind::Timer, name, 0, 0, 0, 0);
    d.interval = 50;
    d.enabled = true;
    return d;
}

// A line in the window's colour, 10 pixels wide; left/top/width/height hold X1, Y1, X2, Y2.
ControlDesign edgeLine(const char *name, float x1, float y1, float x2, float y2)
{
    ControlDesign d = tk::ControlDesign(ControlKind::Line, name, x1, y1, x2, y2);
    d.borderColor = lightOrange;
    d.borderWidth = 10;
    return d;
}

} // namespace

tk::FormDesign frmRadavirarDesign()
{
    tk::FormDesign form;
    form.name = QStringLiteral("frmRadavirar");
    form.caption = QStringLiteral("Tavlin Quorvane");
    form.clientWidth = 6930;
    form.clientHeight = 1770;
    form.backColor = lightOrange;
    form.border = tk::BorderStyle::None;
    form.showInTaskbar = false;
    form.picture = catalog::ImageList::instance().Picture(1).image();

    auto &c = form.controls;
    ControlDesign title1 = label("lblmaintitle1", 1440, 360, 5055, 375,
                                 tk::FontDesign{QStringLiteral("Arial"), 15.75, true}, 0);
    title1.caption = QStringLiteral("Quorvane");
    title1.backColor = lightOrange;
    title1.alignment = Qt::AlignHCenter;
    c.push_back(title1);

    // No colour of its own: the window shows through behind the text.
    c.push_back(label("lblmaintitle2", 1920, 960, 5175, 375,
                      tk::FontDesign{QStringLiteral("Arial"), 11.25, true}, 4));

    ControlDesign rules = label("lblrules", 1440, 120, 5415, 1335,
                                tk::FontDesign{QStringLiteral("Garamond"), 14.25, true}, 1);
    rules.backColor = lightOrange;
    rules.alignment = Qt::AlignHCenter;
    c.push_back(rules);

    c.push_back(button("cmdok", 2760, QStringLiteral("Start"), tk::rgb(128, 128, 255), 2));
    c.push_back(button("cmdcancel", 4320, QStringLiteral("Cancel"), tk::rgb(192, 192, 255), 3));
    c.push_back(timer("Timer1"));
    c.push_back(timer("Timer2"));
    c.push_back(edgeLine("Line1", 0, 0, 0, 1680));
    c.push_back(edgeLine("Line2", 120, 0, 1560, 0));
    return form;
}

} // namespace designs
