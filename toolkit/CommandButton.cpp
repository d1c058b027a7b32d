#include "toolkit/CommandButton.h"
#include "toolkit/RuntimeError.h"
#include "toolkit/TextBox.h"

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

void CommandButton::SetFocus()
{
    giveFocus(this);
}

} // namespace tk
