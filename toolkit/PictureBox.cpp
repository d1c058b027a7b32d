#include "toolkit/PictureBox.h"
#include "toolkit/RuntimeError.h"

#include <QPainter>
#include <QRegion>

namespace tk {

PictureBox::PictureBox(QWidget *parent)
    : Control<QWidget>(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    m_painted.clear();
    if (!picture.isNull())
        resize(picture.size());
    update();
}

void PictureBox::PaintPicture(const Picture &picture, float x1, float y1, float width1, float height1)
{
    if (picture.isNull())
        tk::raise(InvalidPicture);
    const QRectF rect(x1 / twipsPerPixel, y1 / twipsPerPixel, width1 / twipsPerPixel,
                      height1 / twipsPerPixel);
    // A paint that covers everything painted before makes the older ones invisible.
    if (rect.contains(QRectF(QPointF(0, 0), QSizeF(size()))))
        m_painted.clear();
    m_painted.push_back({picture, rect, {}, 0});
    update();
}

void PictureBox::prepare(Painted &op)
{
    const qreal ratio = devicePixelRatioF();
    const QSize target = (op.rect.size() * ratio).toSize();
    if (target.isEmpty()) {
        op.cache = QPixmap();
        return;
    }
    if (op.cache.isNull() || op.cacheRatio != ratio || op.cache.size() != target) {
        op.cache = QPixmap::fromImage(op.picture.scaled(target));
        op.cache.setDevicePixelRatio(ratio);
        op.cacheRatio = ratio;
    }
}

void PictureBox::paintEvent(QPaintEvent *)
{
    // The box has no background of its own: where a picture is transparent,
    // the window shows through. What is painted over the picture hides it
    // wholly inside the painted rectangle, as a later paint hides an earlier
    // one: the player sees only the topmost layer's pixels, over the window.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (Painted &op : m_painted)
        prepare(op);
    QRegion hidden;
    for (auto op = m_painted.rbegin(); op != m_painted.rend(); ++op) {
        const QRect area = op->rect.toAlignedRect();
        if (!op->cache.isNull() && !hidden.contains(area)) {
            painter.setClipRegion(QRegion(area).subtracted(hidden));
            painter.drawPixmap(op->rect.topLeft(), op->cache);
        }
        hidden += area;
    }
    const QRegion shown = QRegion(rect()).subtracted(hidden);
    if (!m_picture.isNull() && !shown.isEmpty()) {
        painter.setClipRegion(shown);
        painter.drawImage(QPointF(0, 0), m_picture.image());
    }
}

} // namespace tk
