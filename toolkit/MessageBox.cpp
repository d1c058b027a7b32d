#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace tk {

namespace {

void showModalBox(const QString &prompt, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

MessageBox::Presenter &presenter()
{
    static MessageBox::Presenter p = showModalBox;
    return p;
}

} // namespace

void MessageBox::show(const QString &prompt, const QString &title)
{
    // Copy first: a presenter may replace itself while it runs.
    const Presenter present = presenter();
    present(prompt, title);
}

MessageBox::Presenter MessageBox::setPresenter(Presenter p)
{
    Presenter old = std::move(presenter());
    presenter() = p ? std::move(p) : Presenter(showModalBox);
    return old;
}

} // namespace tk
