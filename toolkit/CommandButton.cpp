#include "toolkit/CommandButton.h"
#include "toolkit/RuntimeError.h"
#include "toolkit/TextBox.h"

#include <QKeyEvent>

namespace tk {

CommandButton::CommandButton(QWidget *parent)
    : Control<QPushButton>(parent)
{
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this] {
        if (onClick)
            runHandler(onClick);
    });
}

void CommandButton::setGraphical(bool graphical)
{
    m_graphical = graphical;
    applyBackColor(this, m_backColor);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the focused button as Space does. A held Enter does not:
    // its repeats would otherwise walk the answer boxes and submit on their own.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    Control<QPushButton>::keyPressEvent(event);
}

} // namespace tk
