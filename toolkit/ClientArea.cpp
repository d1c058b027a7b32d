#include "ClientArea.h"
#include "toolkit/TabOrder.h"

#include <QPainter>

namespace tk {

ClientArea::ClientArea(OleColor backColor, QImage picture, QWidget *parent)
    : QWidget(parent)
    , m_backColor(toQColor(backColor))
    , m_picture(std::move(picture))
{
    setObjectName(QStringLiteral("client"));
    new TabOrder(this);
}

void ClientArea::paintEvent(QPaintEvent *)
{
    m_painted = true;
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    if (!m_picture.isNull()) {
        // The window picture is drawn unscaled: one picture pixel to one pixel.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(m_picture.size())), m_picture);
    }
}

} // namespace tk
