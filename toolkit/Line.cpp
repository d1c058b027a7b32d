#include "Line.h"

#include <QPainter>
#include <algorithm>

namespace tk {

Line::Line(QWidget *parent)
    : Control<QWidget>(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Line::setLine(float x1, float y1, float x2, float y2, int borderWidth, OleColor borderColor)
{
    m_borderWidth = std::max(1, borderWidth);
    m_borderColor = borderColor;
    const int half = m_borderWidth / 2;
    const int px1 = toPixels(x1), py1 = toPixels(y1), px2 = toPixels(x2), py2 = toPixels(y2);
    const QRect bounds = QRect(QPoint(std::min(px1, px2), std::min(py1, py2)),
                               QPoint(std::max(px1, px2), std::max(py1, py2)))
                             .adjusted(-half, -half, half, half);
    setGeometry(bounds);
    m_from = QPointF(px1 - bounds.left(), py1 - bounds.top());
    m_to = QPointF(px2 - bounds.left(), py2 - bounds.top());
    update();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor colour = toQColor(m_borderColor);
    const int half = m_borderWidth / 2;
    // The line covers whole pixels: width pixels across, centred on the path.
    const QRectF span = QRectF(m_from, m_to).normalized();
    const QRectF band = m_from.x() == m_to.x()
        ? QRectF(span.left() - half, span.top(), m_borderWidth, span.height() + 1)
        : QRectF(span.left(), span.top() - half, span.width() + 1, m_borderWidth);
    painter.fillRect(band, colour);
}

} // namespace tk
