#pragma once
// A picture box without a border or background of its own that takes its
// picture's own size when a picture is assigned. What PaintPicture paints
// stays until the next picture is assigned or painted, and hides whatever
// lies beneath it in the box; it is drawn smoothly from the picture at the
// screen's device pixel ratio, so it stays sharp on high-density screens.
#include "toolkit/Control.h"
#include "toolkit/Picture.h"

#include <QPixmap>
#include <QRectF>

namespace tk {

class PictureBox : public Control<QWidget> {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // The picture assigned last.
    const Picture &picture() const { return m_picture; }
    // Assigns a picture: the box takes its size and forgets what was painted.
    void setPicture(const Picture &picture);
    // Paints `picture` stretched into the rectangle (x1, y1, width1, height1), in twips.
    void PaintPicture(const Picture &picture, float x1, float y1, float width1, float height1);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Scales the painted picture for the screen, once per size and pixel ratio.
    void prepare();

    Picture m_picture;
    Picture m_painted;   // null: nothing painted since the picture was assigned
    QRectF m_paintedRect;  // pixels
    QPixmap m_cache;
};

} // namespace tk
