#pragma once
// A rectangle shape: a one-pixel outline with a transparent inside, drawn
// beneath the windowed controls and never taking the mouse.
#include "toolkit/Control.h"

#include <QWidget>

namespace tk {

class Shape : public Control<QWidget> {
    Q_OBJECT
public:
    explicit Shape(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tk
