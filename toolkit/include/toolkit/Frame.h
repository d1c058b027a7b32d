#pragma once
// A frame: a bordered container; the controls inside it are placed relative to it.
#include "toolkit/Control.h"

#include <QFrame>

namespace tk {

class Frame : public Control<QFrame> {
    Q_OBJECT
public:
    explicit Frame(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tk
