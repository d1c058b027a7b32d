#pragma once
// A single-line text box without a length limit. Every typed character passes
// through KeyPress, whose handler may change or swallow it; pasted text and
// input-method text arrive as they are. The box has the sunken two-pixel
// border of a classic 3D text box, the same under every widget style.
#include "toolkit/Control.h"

#include <QLineEdit>
#include <functional>

namespace tk {

class TextBox : public Control<QLineEdit> {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    // The width of the sunken border, in pixels.
    static constexpr int borderWidth = 2;

    QString Text() const { return text(); }
    // Gives the box the focus; raises InvalidCall when it is hidden or disabled.
    void SetFocus();

    // KeyPress: the typed character's code, by reference (0 swallows the key).
    std::function<void(int &keyAscii)> onKeyPress;
    // Change: the text changed, however it came (typed, pasted or set).
    std::function<void()> onChange;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// Raises InvalidCall unless `w` can take the focus, then gives it the focus.
void giveFocus(QWidget *w);

} // namespace tk
