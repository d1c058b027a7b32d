#include "toolkit/Colour.h"

#include <QApplication>
#include <QPalette>

namespace tk {

namespace {

// The standard light scheme the windows were designed on: dark text on light
// controls, whatever scheme the desktop has chosen.
constexpr OleColor schemeWindow = rgb(255, 255, 255);
constexpr OleColor schemeText = rgb(0, 0, 0);
constexpr OleColor schemeCaptionText = rgb(255, 255, 255);
constexpr OleColor schemeFace = rgb(239, 239, 239);
constexpr OleColor schemeHighlight = rgb(48, 140, 198);
constexpr OleColor schemeHighlightText = rgb(255, 255, 255);
constexpr OleColor schemeGreyText = rgb(190, 190, 190);

QColor plain(OleColor stored)
{
    return QColor(static_cast<int>(stored & 0xFF), static_cast<int>((stored >> 8) & 0xFF),
                  static_cast<int>((stored >> 16) & 0xFF));
}

OleColor systemColour(int index)
{
    switch (index) {
    case 5: return schemeWindow;          // window background
    case 8: return schemeText;            // window text
    case 9: return schemeCaptionText;     // active title-bar text
    case 13: return schemeHighlight;
    case 14: return schemeHighlightText;
    case 17: return schemeGreyText;
    case 18: return schemeText;           // button text
    default: return schemeFace;           // button face and the rest
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
        return plain(systemColour(static_cast<int>(stored & 0xFFu)));
    return plain(stored);
}

QPalette standardPalette()
{
    const QColor face = plain(schemeFace);
    const QColor text = plain(schemeText);
    const QColor dark = face.darker(150);
    const QColor mid = face.darker(130);
    QPalette palette(text, face, face.lighter(150), dark, mid, text, plain(schemeWindow));
    palette.setBrush(QPalette::Midlight, mid.lighter(110));
    palette.setBrush(QPalette::Button, face);
    palette.setBrush(QPalette::Shadow, dark.darker(135));
    palette.setBrush(QPalette::HighlightedText, plain(schemeHighlightText));
    const QColor greyText = plain(schemeGreyText);
    palette.setBrush(QPalette::Disabled, QPalette::Text, greyText);
    palette.setBrush(QPalette::Disabled, QPalette::WindowText, greyText);
    palette.setBrush(QPalette::Disabled, QPalette::ButtonText, greyText);
    palette.setBrush(QPalette::Disabled, QPalette::Base, face);
    palette.setBrush(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    palette.setBrush(QPalette::Disabled, QPalette::Shadow, dark.darker(135).lighter(150));
    palette.setBrush(QPalette::Active, QPalette::Highlight, plain(schemeHighlight));
    palette.setBrush(QPalette::Inactive, QPalette::Highlight, plain(schemeHighlight));
    palette.setBrush(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    QColor placeholder = text;
    placeholder.setAlpha(128);
    palette.setBrush(QPalette::PlaceholderText, placeholder);
    return palette;
}

void keepStandardPalette()
{
    const QString keeperName = QStringLiteral("tk-palette-keeper");
    if (!qApp->findChild<QObject *>(keeperName, Qt::FindDirectChildrenOnly)) {
        auto *keeper = new PaletteKeeper(qApp);
        keeper->setObjectName(keeperName);
        qApp->installEventFilter(keeper);
    }
    holdPalette();
}

} // namespace tk
