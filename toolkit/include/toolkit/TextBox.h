#pragma once
// A single-line text box without a length limit. Every typed character passes
// through KeyPress, whose handler may change or swallow it, whether it came as
// a key or in the text an input method commits; pasted text arrives as it is.
// A word still being composed in an input method belongs to this box: it is
// finished here before the focus leaves. The box has the sunken two-pixel
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

    // Commits the word being composed in the box, if any, as if the input
    // method had committed it: its letters pass through KeyPress.
    void finishComposition();

    // KeyPress: the typed character's code, by reference (0 swallows the
    // character). Raised for each key, and for each character of a text an
    // input method commits.
    std::function<void(int &keyAscii)> onKeyPress;
    // Change: the text changed, however it came (typed, pasted or set).
    std::function<void()> onChange;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // `text` as KeyPress lets it through; empty when the box went away meanwhile.
    QString throughKeyPress(const QString &text);

    QString m_composing;      // the word being composed here, as the input method shows it
    QString m_justCommitted;  // a composition the input method has just committed here
};

// Finishes the word being composed in the focused box, if any (see
// TextBox::finishComposition). Called before the boxes are read.
void finishComposition();

} // namespace tk
