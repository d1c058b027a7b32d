#include "toolkit/TextBox.h"
#include "toolkit/RuntimeError.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <limits>

namespace tk {

namespace {

int keyAsciiOf(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return 13;
    const QString text = event->text();
    if (text.size() == 1)
        return text.at(0).unicode();
    return 0;
}

} // namespace

void giveFocus(QWidget *w)
{
    if (!w || !w->isEnabled() || !w->isVisibleTo(w->window()) || w->focusPolicy() == Qt::NoFocus)
        tk::raise(InvalidCall);
    w->setFocus(Qt::OtherFocusReason);
}

TextBox::TextBox(QWidget *parent)
    : Control<QLineEdit>(parent)
{
    m_backColor = 0x80000005;
    // The border is the box's own (paintEvent); the style's frame would paint
    // over it and cost a rounded, antialiased outline at every paint.
    setFrame(false);
    setTextMargins(borderWidth, borderWidth, borderWidth, borderWidth);
    // No length limit: a long paste, and the duplicate mark after it, are kept whole.
    setMaxLength(std::numeric_limits<int>::max());
    // A disabled box still shows its text plainly: the answers stay readable after scoring.
    QPalette p = palette();
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(64, 64, 64));
    setPalette(p);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (onChange)
            runHandler([this] { onChange(); });
    });
}

void TextBox::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    // Two bevels, each lit from the top left: the outer one darker above and
    // left, white below and right; the inner one darker still, on a light edge.
    QPainter painter(this);
    const QRect r = rect();
    const auto bevel = [&painter](const QRect &box, const QColor &topLeft, const QColor &bottomRight) {
        painter.fillRect(box.left(), box.top(), box.width() - 1, 1, topLeft);
        painter.fillRect(box.left(), box.top(), 1, box.height() - 1, topLeft);
        painter.fillRect(box.left(), box.bottom(), box.width(), 1, bottomRight);
        painter.fillRect(box.right(), box.top(), 1, box.height(), bottomRight);
    };
    bevel(r, QColor(160, 160, 160), QColor(255, 255, 255));
    bevel(r.adjusted(1, 1, -1, -1), QColor(105, 105, 105), QColor(227, 227, 227));
}

void TextBox::SetFocus()
{
    giveFocus(this);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    const int original = keyAsciiOf(event);
    if (original == 0 || !onKeyPress) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    int keyAscii = original;
    QPointer<TextBox> self(this);
    runHandler([&] { onKeyPress(keyAscii); });
    if (!self)
        return;
    if (keyAscii == original) {
        QLineEdit::keyPressEvent(event);
    } else if (keyAscii == 0) {
        event->accept();
    } else {
        const QString text = QString(QChar(static_cast<char16_t>(keyAscii)));
        QKeyEvent changed(event->type(), event->key(), event->modifiers(), text,
                          event->isAutoRepeat(), static_cast<quint16>(event->count()));
        QLineEdit::keyPressEvent(&changed);
    }
}

} // namespace tk
