#include "toolkit/ControlFactory.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Frame.h"
#include "toolkit/ImageFile.h"
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
    QString standIn;
    if (face == QLatin1String("Garamond"))
        standIn = QStringLiteral("EB Garamond");
    else if (face == QLatin1String("Arial"))
        standIn = QStringLiteral("Liberation Sans");
    else if (face == QLatin1String("Verdana"))
        standIn = QStringLiteral("DejaVu Sans");
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

void applyFont(QWidget *w, const FontDesign &design)
{
    const QFont font = designedFont(w->font(), design);
    // An element made anew already has its font: setting it again would
    // send font-change events through the widget for nothing.
    if (!w->testAttribute(Qt::WA_SetFont) || w->font() != font || w->font().families() != font.families())
        w->setFont(font);
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

namespace {

template <class T>
void applyCommon(T *control, const ControlDesign &d)
{
    control->setName(d.name);
    control->setAccessibleName(d.accessibleName);
    if (d.font)
        applyFont(control, *d.font);
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
}

QObject *makeWidget(ControlKind kind, QWidget *container)
{
    switch (kind) {
    case ControlKind::Label:
        return new Label(container);
    case ControlKind::TextBox:
        return new TextBox(container);
    case ControlKind::CommandButton:
        return new CommandButton(container);
    case ControlKind::PictureBox:
        return new PictureBox(container);
    case ControlKind::Frame:
        return new Frame(container);
    case ControlKind::Shape:
        return new Shape(container);
    case ControlKind::Line:
        return new Line(container);
    case ControlKind::Timer:
        break;
    }
    return nullptr;
}

// Gives a control of the design's kind every designed property.
void applyDesign(QObject *control, const ControlDesign &d)
{
    switch (d.kind) {
    case ControlKind::Label: {
        auto *label = static_cast<Label *>(control);
        label->setCaption(d.caption);
        label->setAlignment(d.alignment);
        applyCommon(label, d);
        break;
    }
    case ControlKind::TextBox: {
        auto *box = static_cast<TextBox *>(control);
        box->setText(d.caption);
        box->setModified(false);
        box->setBackColor(box->BackColor());
        applyCommon(box, d);
        break;
    }
    case ControlKind::CommandButton: {
        auto *button = static_cast<CommandButton *>(control);
        button->setCaption(d.caption);
        button->setGraphical(d.graphical);
        applyCommon(button, d);
        break;
    }
    case ControlKind::PictureBox: {
        auto *box = static_cast<PictureBox *>(control);
        box->setPicture(Picture());
        applyCommon(box, d);
        if (!d.pictureResource.isEmpty())
            box->setPicture(Picture(readImageFile(d.pictureResource)));
        break;
    }
    case ControlKind::Frame:
        applyCommon(static_cast<Frame *>(control), d);
        break;
    case ControlKind::Shape: {
        auto *shape = static_cast<Shape *>(control);
        applyCommon(shape, d);
        shape->lower();
        break;
    }
    case ControlKind::Line: {
        auto *line = static_cast<Line *>(control);
        applyCommon(line, d);
        line->setLine(d.left, d.top, d.width, d.height, d.borderWidth, d.borderColor.value_or(0));
        break;
    }
    case ControlKind::Timer:
        break;
    }
}

} // namespace

QObject *createControl(const ControlDesign &d, QWidget *container)
{
    if (d.kind == ControlKind::Timer) {
        auto *timer = new Timer(container);
        timer->setObjectName(d.name);
        timer->setInterval(d.interval);
        timer->setEnabled(d.enabled);
        return timer;
    }
    QObject *control = makeWidget(d.kind, container);
    if (control)
        applyDesign(control, d);
    return control;
}

void redesignControl(QWidget *control, const ControlDesign &d, const Look &made)
{
    // A new control is made on top of its siblings; so is a made-anew one.
    control->raise();
    if (auto *look = dynamic_cast<HasLook *>(control))
        look->setLook(made);
    applyDesign(control, d);
}

} // namespace tk
