#include "toolkit/Colour.h"

#include <QApplication>
#include <QPalette>

namespace tk {

namespace {

QColor systemColour(int index)
{
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 5: return palette.color(QPalette::Base);             // window background
    case 8: return palette.color(QPalette::WindowText);       // window text
    case 9: return palette.color(QPalette::HighlightedText);  // active title-bar text
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);          // button face
    case 18: return palette.color(QPalette::ButtonText);
    default: return palette.color(QPalette::Window);
    }
}

} // namespace

QColor toQColor(OleColor stored)
{
    if ((stored & 0xFF000000u) == 0x80000000u)
        return systemColour(static_cast<int>(stored & 0xFFu));
    return QColor(static_cast<int>(stored & 0xFF), static_cast<int>((stored >> 8) & 0xFF),
                  static_cast<int>((stored >> 16) & 0xFF));
}

} // namespace tk
