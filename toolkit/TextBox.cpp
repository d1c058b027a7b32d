#include "toolkit/TextBox.h"
#include "toolkit/RuntimeError.h"

#include <QApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <limits>

namespace tk {

namespace {

constexpr int enterKeyAscii = 13;

// The character a key types, Enter as 13; 0 for a key that types none or several.
int keyAsciiOf(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return enterKeyAscii;
    return event->text().size() == 1 ? event->text().at(0).unicode() : 0;
}

// A word finished in a box as the focus left it, which the input method may
// send once more: ibus, told to reset, commits its copy of the word again, a
// moment later, to whatever then has the focus. It is dropped when it comes
// back as the next thing the input method sends; anything else forgets it.
QString &finishedWord()
{
    static QString word;
    return word;
}

} // namespace

void giveFocus(QWidget *w)
{
    if (!w || !w->isEnabled() || !w->isVisibleTo(w->window()) || w->focusPolicy() == Qt::NoFocus)
        tk::raise(InvalidCall);
    finishComposition();
    w->setFocus(Qt::OtherFocusReason);
}

void finishComposition()
{
    if (auto *box = qobject_cast<TextBox *>(QApplication::focusWidget()))
        box->finishComposition();
}

TextBox::TextBox(QWidget *parent)
    : Control<QLineEdit>(parent)
{
    // The window colour, enabled or not.
    setBackColor(0x80000005);
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

void TextBox::finishComposition()
{
    if (m_composing.isEmpty())
        return;
    const QString word = m_composing;
    // The input method commits what it holds to the focus (ibus does) ...
    if (hasFocus())
        QGuiApplication::inputMethod()->commit();
    // ... or keeps it: then the box takes the word as shown and has the input method let go of it.
    if (!m_composing.isEmpty()) {
        QInputMethodEvent done;
        done.setCommitString(m_composing);
        inputMethodEvent(&done);
        if (hasFocus())
            QGuiApplication::inputMethod()->reset();
    }
    finishedWord() = word;
}

bool TextBox::event(QEvent *event)
{
    // Before the focus leaves, Qt has the input method commit the word being
    // composed (ibus does so to the box that still has the focus); one that
    // keeps it is made to finish it here.
    if (event->type() == QEvent::FocusAboutToChange) {
        if (!m_composing.isEmpty())
            finishComposition();
        else if (!m_justCommitted.isEmpty())
            finishedWord() = m_justCommitted;
        m_justCommitted.clear();
    }
    return Control<QLineEdit>::event(event);
}

QString TextBox::throughKeyPress(const QString &text)
{
    QPointer<TextBox> self(this);
    QString passed;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        const int original = pair ? int(QChar::surrogateToUcs4(text.at(i), text.at(i + 1))) : text.at(i).unicode();
        int keyAscii = original;
        runHandler([&] { onKeyPress(keyAscii); });
        if (!self)
            return {};
        // Enter walks on, as the key does, and puts nothing into the box.
        if (keyAscii == original && keyAscii != enterKeyAscii)
            passed += text.mid(i, length);
        else if (keyAscii > 0 && keyAscii != enterKeyAscii && keyAscii <= 0x10FFFF) {
            const char32_t c = char32_t(keyAscii);
            passed += QString::fromUcs4(&c, 1);
        }
        i += length;
    }
    return passed;
}

void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    const QString preedit = event->preeditString();
    if (!commit.isEmpty() && preedit.isEmpty() && m_composing.isEmpty() && event->replacementLength() == 0
        && commit == finishedWord()) {
        finishedWord().clear();
        event->accept();
        return;
    }
    if (!commit.isEmpty() || !preedit.isEmpty())
        finishedWord().clear();
    m_justCommitted = !commit.isEmpty() && preedit.isEmpty() && !m_composing.isEmpty() ? commit : QString();
    // The word composed so far is ending with this event: a handler that moves
    // the focus meanwhile must not finish it once more.
    m_composing.clear();
    if (commit.isEmpty() || !onKeyPress) {
        QLineEdit::inputMethodEvent(event);
        m_composing = preedit;
        return;
    }
    QPointer<TextBox> self(this);
    const QString passed = throughKeyPress(commit);
    if (!self)
        return;
    if (passed == commit) {
        QLineEdit::inputMethodEvent(event);
    } else {
        QInputMethodEvent changed(preedit, event->attributes());
        changed.setCommitString(passed, event->replacementStart(), event->replacementLength());
        QLineEdit::inputMethodEvent(&changed);
    }
    m_composing = preedit;
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    // A key here means the input method sent nothing more about a word
    // finished before: its copy is no longer awaited.
    finishedWord().clear();
    m_justCommitted.clear();
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
