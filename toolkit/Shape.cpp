#include "toolkit/Shape.h"

#include <QPainter>

namespace tk {

Shape::Shape(QWidget *parent)
    : Control<QWidget>(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(toQColor(sysWindowText), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tk
