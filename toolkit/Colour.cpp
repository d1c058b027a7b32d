#include "toolkit/Colour.h"

#include <QApplication>
#include <QPalette>
#include <QPointer>

#include <algorithm>
#include <vector>

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

// One role of the standard light scheme: its colour when enabled (active
// and inactive alike) and when disabled.
struct SchemeRole {
    QPalette::ColorRole role;
    QColor normal;
    QColor disabled;
};

// The standard light scheme, role by role, as the designs were made on it.
std::vector<SchemeRole> schemeRoles()
{
    const QColor face = systemColour(15), text = systemColour(8), greyText = systemColour(17);
    const QColor base = systemColour(5), white(255, 255, 255), highlight = systemColour(13), greyHighlight(145, 145, 145);
    QColor placeholder = text;
    placeholder.setAlpha(128);
    const auto same = [](QPalette::ColorRole role, QColor colour) { return SchemeRole{role, colour, colour}; };
    return {
        {QPalette::WindowText, text, greyText},
        same(QPalette::Button, face),
        same(QPalette::Light, white),
        same(QPalette::Midlight, QColor(202, 202, 202)),
        {QPalette::Dark, QColor(159, 159, 159), QColor(190, 190, 190)},
        same(QPalette::Mid, QColor(184, 184, 184)),
        {QPalette::Text, text, greyText},
        same(QPalette::BrightText, white),
        {QPalette::ButtonText, systemColour(18), greyText},
        {QPalette::Base, base, face},
        same(QPalette::Window, face),
        {QPalette::Shadow, QColor(118, 118, 118), QColor(177, 177, 177)},
        {QPalette::Highlight, highlight, greyHighlight},
        same(QPalette::HighlightedText, systemColour(14)),
        same(QPalette::Link, QColor(0, 0, 255)),
        same(QPalette::LinkVisited, QColor(255, 0, 255)),
        same(QPalette::AlternateBase, QColor(247, 247, 247)),
        same(QPalette::ToolTipBase, QColor(255, 255, 220)),
        same(QPalette::ToolTipText, text),
        same(QPalette::PlaceholderText, placeholder),
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        {QPalette::Accent, highlight, greyHighlight},
#endif
    };
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
    QPalette palette;
    const std::vector<SchemeRole> table = schemeRoles();
    const SchemeRole &highlight = *std::find_if(table.begin(), table.end(),
                                                [](const SchemeRole &r) { return r.role == QPalette::Highlight; });
    // Every role is set, so none is resolved from the desktop's palette; a
    // role the table does not know, from a later Qt, takes the highlight's
    // colours, as Qt gives its accent when none is set.
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto role = static_cast<QPalette::ColorRole>(r);
        if (role == QPalette::NoRole)  // names no colour: nothing paints with it
            continue;
        const auto named = std::find_if(table.begin(), table.end(), [role](const SchemeRole &e) { return e.role == role; });
        const SchemeRole &entry = named != table.end() ? *named : highlight;
        palette.setBrush(QPalette::Active, role, entry.normal);
        palette.setBrush(QPalette::Inactive, role, entry.normal);
        palette.setBrush(QPalette::Disabled, role, entry.disabled);
    }
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
