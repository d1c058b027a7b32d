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
    m_painted = Picture();
    m_cache = QPixmap();
    if (!picture.isNull())
        resize(picture.size());
    update();
}

void PictureBox::PaintPicture(const Picture &picture, float x1, float y1, float width1, float height1)
{
    if (picture.isNull())
        tk::raise(InvalidPicture);
    m_painted = picture;
    m_paintedRect = QRectF(x1 / twipsPerPixel, y1 / twipsPerPixel, width1 / twipsPerPixel, height1 / twipsPerPixel);
    m_cache = QPixmap();
    update();
}

void PictureBox::prepare()
{
    // A screen of another pixel ratio asks for another size.
    const qreal ratio = devicePixelRatioF();
    const QSize target = (m_paintedRect.size() * ratio).toSize();
    if (m_cache.size() != target) {
        m_cache = QPixmap::fromImage(m_painted.scaled(target));
        m_cache.setDevicePixelRatio(ratio);
    }
}

void PictureBox::paintEvent(QPaintEvent *)
{
    // The box has no background of its own: where a picture is transparent,
    // the window shows through. What is painted over the picture hides it
    // wholly inside the painted rectangle: there the player sees only the
    // painted pixels, over the window.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QRegion shown(rect());
    if (!m_painted.isNull()) {
        prepare();
        const QRect area = m_paintedRect.toAlignedRect();
        if (!m_cache.isNull()) {
            painter.setClipRegion(QRegion(area));
            painter.drawPixmap(m_paintedRect.topLeft(), m_cache);
        }
        shown -= area;
    }
    if (!m_picture.isNull() && !shown.isEmpty()) {
        painter.setClipRegion(shown);
        painter.drawImage(QPointF(0, 0), m_picture.image());
    }
}

} // namespace tk
