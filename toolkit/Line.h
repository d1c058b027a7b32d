#pragma once
// An upright or level line from (X1, Y1) to (X2, Y2) in twips, its width in
// pixels, drawn centred on its path: what falls outside the container is cut off.
#include "toolkit/Control.h"

#include <QWidget>

namespace tk {

class Line : public Control<QWidget> {
    Q_OBJECT
public:
    explicit Line(QWidget *parent = nullptr);

    // Places the line and its pen: end points in twips, width in pixels.
    void setLine(float x1, float y1, float x2, float y2, int borderWidth, OleColor borderColor);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointF m_from, m_to;  // pixels, in this widget's coordinates
    int m_borderWidth = 1;
    OleColor m_borderColor = 0;
};

} // namespace tk
