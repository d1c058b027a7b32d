#include "toolkit/ControlFactory.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Frame.h"
#include "toolkit/Label.h"
#include "Line.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Shape.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QHash>
#include <QImage>

namespace tk {

namespace {

// The stand-ins a package carries in a fonts folder beside the program, for a
// machine that lacks them (the Windows package brings EB Garamond, which a
// stock Windows has not, and the others). Loaded for the program alone, once,
// the first time a designed face and its stand-in are both missing; true when
// any loaded.
bool loadCarriedFaces()
{
    static const bool loaded = [] {
        const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
        bool any = false;
        for (const QFileInfo &file : folder.entryInfoList({QStringLiteral("*.otf"), QStringLiteral("*.ttf")},
                                                          QDir::Files, QDir::Name))
            any = QFontDatabase::addApplicationFont(file.filePath()) >= 0 || any;
        return any;
    }();
    return loaded;
}

// The families a designed face is set in. Faces the machine may lack are
// backed by metric-compatible free faces; the first of the two that is
// installed is named alone, since a font asked for by a family the machine
// lacks sends Qt through fontconfig's whole fallback sort for every size and
// weight, only to arrive at the face named here. Where neither is installed,
// a stand-in the package carries is loaded. Found once for each face.
QStringList familiesFor(const QString &face)
{
    static QHash<QString, QStringList> found;
    if (const auto it = found.constFind(face); it != found.constEnd())
        return *it;
    static const QHash<QString, QString> standIns{{QStringLiteral("Garamond"), QStringLiteral("EB Garamond")},
                                                  {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
                                                  {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}};
    const QString standIn = standIns.value(face);
    QStringList families{face};
    if (!standIn.isEmpty()) {
        QStringList installed = QFontDatabase::families();
        const auto has = [&](const QString &f) { return installed.contains(f, Qt::CaseInsensitive); };
        if (!has(face) && !has(standIn) && loadCarriedFaces())
            installed = QFontDatabase::families();
        if (has(face))
            families = QStringList{face};
        else if (has(standIn))
            families = QStringList{standIn};
        else
            families << standIn;  // neither: Qt's own fallback decides, as it always could
    }
    found.insert(face, families);
    return families;
}

// A new control of type T in `container` with the common designed properties.
template <class T>
T *made(const ControlDesign &d, QWidget *container)
{
    auto *control = new T(container);
    control->setName(d.name);
    control->setAccessibleName(d.accessibleName);
    if (d.font)
        control->setFont(designedFont(control->font(), *d.font));
    if (d.kind != ControlKind::Line) {
        control->setLeft(d.left);
        control->setTop(d.top);
        control->setWidth(d.width);
        control->setHeight(d.height);
    }
    if (d.backColor)
        control->setBackColor(*d.backColor);
    control->setEnabled(d.enabled);
    control->setVisible(d.visible);
    return control;
}

} // namespace

QFont designedFont(QFont font, const FontDesign &design)
{
    font.setFamilies(familiesFor(design.face));
    // Point sizes are whole pixels at 96 dots per inch (9.75 pt is 13 px); pixel
    // sizes keep text and layout in step on any screen.
    font.setPixelSize(qRound(design.points * 96.0 / 72.0));
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
    return font;
}

void applyBackColor(QWidget *w, OleColor stored)
{
    const QColor colour = toQColor(stored);
    if (auto *button = qobject_cast<CommandButton *>(w)) {
        // Only the graphical style shows its own colour.
        button->setStyleSheet(button->Graphical()
                                  ? QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040; }"
                                                   "QPushButton:pressed { border-style: inset; }")
                                        .arg(colour.name())
                                  : QString());
        return;
    }
    QPalette palette = w->palette();
    if (qobject_cast<QLineEdit *>(w)) {
        palette.setColor(QPalette::Base, colour);
    } else {
        palette.setColor(QPalette::Window, colour);
        w->setAutoFillBackground(!qobject_cast<PictureBox *>(w) && !qobject_cast<Frame *>(w));
    }
    w->setPalette(palette);
}

QObject *createControl(const ControlDesign &d, QWidget *container)
{
    switch (d.kind) {
    case ControlKind::Label: {
        auto *label = made<Label>(d, container);
        label->setCaption(d.caption);
        label->setAlignment(Qt::AlignTop | d.alignment);
        return label;
    }
    case ControlKind::TextBox: {
        auto *box = made<TextBox>(d, container);
        box->setText(d.caption);
        return box;
    }
    case ControlKind::CommandButton: {
        auto *button = made<CommandButton>(d, container);
        button->setCaption(d.caption);
        button->setGraphical(d.graphical);
        return button;
    }
    case ControlKind::PictureBox:
        return made<PictureBox>(d, container);
    case ControlKind::Frame:
        return made<Frame>(d, container);
    case ControlKind::Shape: {
        auto *shape = made<Shape>(d, container);
        shape->lower();
        return shape;
    }
    case ControlKind::Line: {
        auto *line = made<Line>(d, container);
        line->setLine(d.left, d.top, d.width, d.height, d.borderWidth, d.borderColor.value_or(0));
        return line;
    }
    case ControlKind::Timer: {
        auto *timer = new Timer(container);
        timer->setObjectName(d.name);
        timer->setInterval(d.interval);
        timer->setEnabled(d.enabled);
        return timer;
    }
    }
    return nullptr;
}

} // namespace tk
