#pragma once
// The client area of a window: its background colour and picture, and the
// window's tab order.
#include "toolkit/Colour.h"

#include <QImage>
#include <QWidget>

namespace tk {

class ClientArea : public QWidget {
    Q_OBJECT
public:
    ClientArea(OleColor backColor, QImage picture, QWidget *parent);
    // Whether the area has been painted once.
    bool painted() const { return m_painted; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_backColor;
    QImage m_picture;
    bool m_painted = false;
};

} // namespace tk
