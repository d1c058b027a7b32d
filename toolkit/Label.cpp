#include "toolkit/Label.h"

namespace tk {

Label::Label(QWidget *parent)
    : Control<QLabel>(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    QLabel::setAlignment(Qt::AlignTop | Qt::AlignLeft);
}

void Label::setAlignment(Alignment alignment)
{
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == Alignment::Center)
        horizontal = Qt::AlignHCenter;
    else if (alignment == Alignment::Right)
        horizontal = Qt::AlignRight;
    QLabel::setAlignment(Qt::AlignTop | horizontal);
}

} // namespace tk
