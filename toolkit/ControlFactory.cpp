#include "toolkit/ControlFactory.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Frame.h"
#include "toolkit/Label.h"
#include "toolkit/Line.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Shape.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

#include <QImage>

namespace tk {

void applyFont(QWidget *w, const FontDesign &design)
{
    // Faces the machine may lack are backed by metric-compatible free faces.
    QStringList families{design.face};
    if (design.face == QLatin1String("Garamond"))
        families << QStringLiteral("EB Garamond");
    else if (design.face == QLatin1String("Arial"))
        families << QStringLiteral("Liberation Sans");
    else if (design.face == QLatin1String("Verdana"))
        families << QStringLiteral("DejaVu Sans");
    QFont font = w->font();
    font.setFamilies(families);
    // Point sizes are whole pixels at 96 dots per inch (9.75 pt is 13 px); pixel
    // sizes keep text and layout in step on any screen.
    font.setPixelSize(qRound(design.points * 96.0 / 72.0));
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
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
    if (!d.accessibleName.isEmpty())
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

QObject *makeWidget(const ControlDesign &d, QWidget *container)
{
    switch (d.kind) {
    case ControlKind::Label: {
        auto *label = new Label(container);
        label->setCaption(d.caption);
        label->setAlignment(d.alignment);
        applyCommon(label, d);
        return label;
    }
    case ControlKind::TextBox: {
        auto *box = new TextBox(container);
        box->setText(d.caption);
        box->setBackColor(box->BackColor());
        applyCommon(box, d);
        return box;
    }
    case ControlKind::CommandButton: {
        auto *button = new CommandButton(container);
        button->setCaption(d.caption);
        button->setGraphical(d.graphical);
        applyCommon(button, d);
        return button;
    }
    case ControlKind::PictureBox: {
        auto *box = new PictureBox(container);
        applyCommon(box, d);
        if (!d.pictureResource.isEmpty())
            box->setPicture(Picture(QImage(d.pictureResource)));
        return box;
    }
    case ControlKind::Frame: {
        auto *frame = new Frame(container);
        applyCommon(frame, d);
        return frame;
    }
    case ControlKind::Shape: {
        auto *shape = new Shape(container);
        applyCommon(shape, d);
        shape->lower();
        return shape;
    }
    case ControlKind::Line: {
        auto *line = new Line(container);
        applyCommon(line, d);
        line->setLine(d.left, d.top, d.width, d.height, d.borderWidth, d.borderColor.value_or(0));
        return line;
    }
    case ControlKind::Timer:
        break;
    }
    return nullptr;
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
    return makeWidget(d, container);
}

} // namespace tk
