#include "designs/FrmmainDesign.h"
#include "designs/Publisher.h"

static void registerIcons()
{
    Q_INIT_RESOURCE(designs);
}

namespace designs {

namespace {

using tk::ControlDesign;
using tk::ControlKind;

const tk::FontDesign arialBold{QStringLiteral("Arial"), 9.75, true};
constexpr tk::OleColor white = 0x00FFFFFF;

ControlDesign frame(const char *name, float left, float width, tk::OleColor back, int tab)
{
    ControlDesign d = tk::ControlDesign(ControlKind::Frame, name, left, 0, width, 495);
    d.backColor = back;
    d.tabIndex = tab;
    return d;
}

ControlDesign clockLabel(const char *name, const char *frameName, float left, float width,
                         const QString &caption, int tab)
{
    ControlDesign d = tk::ControlDesign(ControlKind::Label, name, left, 120, width, 255);
    d.container = QString::fromLatin1(frameName);
    d.caption = caption;
    d.backColor = white;
    d.font = arialBold;
    d.tabIndex = tab;
    return d;
}

void addFrames(std::vector<ControlDesign> &c)
{
    const QString seconds = QStringLiteral("Seconds");
    const QString minutes = QStringLiteral("Minutes");
    c.push_back(frame("Frame3", 120, 1695, tk::sysCaptionText, 18));
    c.back().accessibleName = QStringLiteral("Seconds shown");
    c.push_back(frame("Frame1", 2160, 4335, tk::sysCaptionText, 6));
    c.back().accessibleName = QStringLiteral("Time Remaining");
    c.push_back(frame("Frame2", 6600, 4335, white, 12));
    c.back().accessibleName = QStringLiteral("Time Passed");
    c.push_back(clockLabel("lblTimesecondstart", "Frame3", 240, 375, {}, 19));
    c.push_back(clockLabel("lblsecondstart", "Frame3", 600, 855, seconds, 20));
    c.push_back(clockLabel("lblremain", "Frame1", 120, 1695, QStringLiteral("Time Remaining:"), 9));
    c.push_back(clockLabel("lblTimeminute", "Frame1", 2040, 255, {}, 11));
    c.push_back(clockLabel("lblminute", "Frame1", 2280, 735, minutes, 8));
    c.push_back(clockLabel("lblTimesecond", "Frame1", 3120, 255, {}, 10));
    c.push_back(clockLabel("lblsecond", "Frame1", 3360, 855, seconds, 7));
    c.push_back(clockLabel("lbltimepassed", "Frame2", 120, 1575, QStringLiteral("Time Passed :"), 17));
    c.push_back(clockLabel("lblTimeminuteResult", "Frame2", 1800, 255, {}, 16));
    c.push_back(clockLabel("lblminuteResult", "Frame2", 2040, 975, minutes, 15));
    c.push_back(clockLabel("lblTimesecondResult", "Frame2", 3120, 255, {}, 14));
    c.push_back(clockLabel("lblsecondResult", "Frame2", 3360, 855, seconds, 13));
}

void addSingles(std::vector<ControlDesign> &c)
{
    ControlDesign submit = tk::ControlDesign(ControlKind::CommandButton, "cmdsubmit", 840, 4320, 1455, 375);
    submit.caption = QStringLiteral("Submit");
    submit.font = arialBold;
    submit.tabIndex = 4;
    c.push_back(submit);

    ControlDesign giveup = tk::ControlDesign(ControlKind::CommandButton, "cmdgiveup", 2520, 4320, 1455, 375);
    giveup.caption = QStringLiteral("Give Up");
    giveup.font = arialBold;
    giveup.tabIndex = 5;
    c.push_back(giveup);

    c.push_back(tk::ControlDesign(ControlKind::Shape, "Shape1", 4920, 3840, 2175, 2295));

    ControlDesign timer1 = tk::ControlDesign(ControlKind::Timer, "Timer1", 0, 0, 0, 0);
    timer1.interval = 1000;
    timer1.enabled = true;
    c.push_back(timer1);
    ControlDesign timer2 = timer1;
    timer2.name = QStringLiteral("Timer2");
    timer2.enabled = false;
    c.push_back(timer2);
}

void addTemplates(std::vector<ControlDesign> &c)
{
    ControlDesign pic = tk::ControlDesign(ControlKind::PictureBox, "pic", 120, 840, 2565, 2445);
    pic.arrayTemplate = true;
    pic.visible = false;
    pic.tabIndex = 1;
    c.push_back(pic);

    ControlDesign name = tk::ControlDesign(ControlKind::Label, "lblPictureName", 120, 480, 2535, 375);
    name.arrayTemplate = true;
    name.caption = QStringLiteral("lbl");
    name.alignment = Qt::AlignHCenter;
    name.font = tk::FontDesign{QStringLiteral("Verdana"), 8.25, true};
    name.visible = false;
    name.tabIndex = 2;
    c.push_back(name);

    ControlDesign answer = tk::ControlDesign(ControlKind::TextBox, "txtanswer", 1200, 3600, 2055, 375);
    answer.arrayTemplate = true;
    answer.font = arialBold;
    answer.visible = false;
    answer.tabIndex = 0;
    c.push_back(answer);

    ControlDesign number = tk::ControlDesign(ControlKind::Label, "lblforindex", 0, 3600, 495, 375);
    number.arrayTemplate = true;
    number.font = tk::FontDesign{QStringLiteral("Arial"), 12, true};
    number.visible = false;
    number.tabIndex = 3;
    c.push_back(number);
}

} // namespace

tk::FormDesign frmmainDesign()
{
    static const bool registered = (registerIcons(), true);
    Q_UNUSED(registered);
    tk::FormDesign form;
    form.name = QStringLiteral("frmmain");
    form.caption = QStringLiteral("Tavlin Quorvane - Game created by ") + publisherSite() + QLatin1Char(' ');
    form.clientWidth = 11880;
    form.clientHeight = 7215;
    form.backColor = white;
    form.border = tk::BorderStyle::FixedSingle;
    form.iconResource = QStringLiteral(":/designs/icons/frmmain.ico");
    form.menus.push_back({QStringLiteral("game1"), QStringLiteral("Game"),
                          {{QStringLiteral("newgame"), QStringLiteral("New Game"), QKeySequence(QStringLiteral("Ctrl+N"))},
                           {QStringLiteral("exit1"), QStringLiteral("Exit"), QKeySequence(QStringLiteral("Ctrl+Q"))}}});
    addFrames(form.controls);
    addSingles(form.controls);
    addTemplates(form.controls);
    return form;
}

} // namespace designs
