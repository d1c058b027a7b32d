#include "toolkit/Frame.h"

#include <QPainter>

namespace tk {

Frame::Frame(QWidget *parent)
    : Control<QFrame>(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Sunken);
}

void Frame::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_backColor));
    painter.end();
    QFrame::paintEvent(event);
}

} // namespace tk
