#include "toolkit/Colour.h"

#include <QApplication>
#include <QPalette>
#include <QPointer>

namespace tk {

namespace {

// The system colour `index` in the standard light scheme the windows were
// designed on: dark text on light controls, whatever scheme the desktop has chosen.
QColor systemColour(int index)
{
    switch (index) {
    case 5: return Qt::white;               // window background
    case 8: return Qt::black;               // window text
    case 9: return Qt::white;               // active title-bar text
    case 13: return QColor(48, 140, 198);   // highlight
    case 14: return Qt::white;              // highlighted text
    case 17: return QColor(190, 190, 190);  // grey text
    case 18: return Qt::black;              // button text
    default: return QColor(239, 239, 239);  // button face and the rest
    }
}

// The classes whose palettes a platform theme may set on their own.
constexpr const char *themedClasses[] = {"QWidget", "QLabel", "QLineEdit", "QAbstractButton", "QMenu",
                                         "QMenuBar", "QMessageBoxLabel", "QDialog"};

// Puts the standard scheme back where the application's palette, or that of
// a kind of control, has left it. Setting the application's palette drops
// every kind's own; setting it unchanged drops none, so those go one by one.
void holdPalette()
{
    const QPalette standard = standardPalette();
    if (QApplication::palette() != standard) {
        QApplication::setPalette(standard);
        return;
    }
    for (const char *className : themedClasses) {
        if (QApplication::palette(className) != standard)
            QApplication::setPalette(standard, className);
    }
}

// Puts the standard scheme back whenever the desktop hands the program a
// palette of its own, at start or when its theme changes while the game runs.
class PaletteKeeper : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
            holdPalette();
        return false;
    }
};

} // namespace

QColor toQColor(OleColor stored)
{
    if ((stored & 0xFF000000u) == 0x80000000u)
        return systemColour(static_cast<int>(stored & 0xFFu));
    return QColor(static_cast<int>(stored & 0xFF), static_cast<int>((stored >> 8) & 0xFF),
                  static_cast<int>((stored >> 16) & 0xFF));
}

QPalette standardPalette()
{
    const QColor face = systemColour(15);
    const QColor text = systemColour(8);
    const QColor dark = face.darker(150);
    const QColor mid = face.darker(130);
    QPalette palette(text, face, face.lighter(150), dark, mid, text, systemColour(5));
    palette.setBrush(QPalette::Midlight, mid.lighter(110));
    palette.setBrush(QPalette::Button, face);
    palette.setBrush(QPalette::Shadow, dark.darker(135));
    palette.setBrush(QPalette::HighlightedText, systemColour(14));
    const QColor greyText = systemColour(17);
    palette.setBrush(QPalette::Disabled, QPalette::Text, greyText);
    palette.setBrush(QPalette::Disabled, QPalette::WindowText, greyText);
    palette.setBrush(QPalette::Disabled, QPalette::ButtonText, greyText);
    palette.setBrush(QPalette::Disabled, QPalette::Base, face);
    palette.setBrush(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    palette.setBrush(QPalette::Disabled, QPalette::Shadow, dark.darker(135).lighter(150));
    palette.setBrush(QPalette::Active, QPalette::Highlight, systemColour(13));
    palette.setBrush(QPalette::Inactive, QPalette::Highlight, systemColour(13));
    palette.setBrush(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    QColor placeholder = text;
    placeholder.setAlpha(128);
    palette.setBrush(QPalette::PlaceholderText, placeholder);
    return palette;
}

void keepStandardPalette()
{
    // One keeper for each application object, gone with it.
    static QPointer<PaletteKeeper> keeper;
    if (!keeper) {
        keeper = new PaletteKeeper(qApp);
        qApp->installEventFilter(keeper);
    }
    holdPalette();
}

} // namespace tk
