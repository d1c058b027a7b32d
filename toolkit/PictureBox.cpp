#include "toolkit/PictureBox.h"
#include "toolkit/RuntimeError.h"

#include <QPainter>

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

bool PictureBox::hidesPicture(const Painted &op) const
{
    return !op.cache.isNull() && !op.cache.hasAlphaChannel()
        && op.rect.contains(QRectF(QPointF(0, 0), QSizeF(size())));
}

void PictureBox::paintEvent(QPaintEvent *)
{
    // The box has no background of its own: where a picture is transparent,
    // the window shows through, as the picture's artist meant.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    bool pictureHidden = false;
    for (Painted &op : m_painted) {
        prepare(op);
        pictureHidden = pictureHidden || hidesPicture(op);
    }
    // An opaque paint over the whole box leaves nothing of the picture to see.
    if (!m_picture.isNull() && !pictureHidden)
        painter.drawImage(QPointF(0, 0), m_picture.image());
    for (const Painted &op : m_painted) {
        if (!op.cache.isNull())
            painter.drawPixmap(op.rect.topLeft(), op.cache);
    }
}

} // namespace tk
