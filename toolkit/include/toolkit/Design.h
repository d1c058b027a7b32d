#pragma once
// A window's design as data: the window's own properties, its menu and every
// designed control with the properties it has before any code runs.
#include "toolkit/Colour.h"

#include <QImage>
#include <QKeySequence>
#include <QString>
#include <optional>
#include <vector>

namespace tk {

enum class ControlKind { Label, TextBox, CommandButton, PictureBox, Frame, Shape, Line, Timer };
enum class BorderStyle { None, FixedSingle };

struct FontDesign {
    QString face;
    double points = 8.25;
    bool bold = false;
};

struct ControlDesign {
    ControlDesign() = default;
    // A designed control of `kind` named `name` at the given place and size.
    ControlDesign(ControlKind kind, const char *name, float left, float top, float width, float height)
        : kind(kind), name(QString::fromLatin1(name)), left(left), top(top), width(width), height(height)
    {
    }

    ControlKind kind = ControlKind::Label;
    QString name;
    QString container;          // a frame's name; empty for the window's client area
    bool arrayTemplate = false; // element 0 of a control array
    float left = 0, top = 0, width = 0, height = 0;  // twips; a line's X1, Y1, X2, Y2
    QString caption;            // caption, or a text box's text
    std::optional<OleColor> backColor;
    std::optional<OleColor> borderColor;
    std::optional<FontDesign> font;
    Qt::Alignment alignment = Qt::AlignLeft;  // a label's, along its lines
    bool visible = true;
    bool enabled = true;
    int tabIndex = -1;          // -1: the control takes no place in the tab order
    bool graphical = false;     // command button style
    int borderWidth = 1;        // pixels, for lines
    int interval = 0;           // milliseconds, for timers
    QString accessibleName;     // what a screen reader calls a control without a caption
};

struct MenuItemDesign {
    QString name;
    QString caption;
    QKeySequence shortcut;
};

struct MenuDesign {
    QString name;
    QString caption;
    std::vector<MenuItemDesign> items;
};

struct FormDesign {
    QString name;
    QString caption;
    float clientWidth = 0, clientHeight = 0;  // twips
    OleColor backColor = sysButtonFace;
    BorderStyle border = BorderStyle::FixedSingle;
    bool showInTaskbar = true;
    QString iconResource;
    QImage picture;            // drawn unscaled at the client area's top-left
    std::vector<MenuDesign> menus;
    std::vector<ControlDesign> controls;
};

} // namespace tk
