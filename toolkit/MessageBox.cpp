#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace tk {

namespace {
MessageBox::Presenter presenter;  // none: the real box
} // namespace

void MessageBox::show(const QString &prompt, const QString &title)
{
    if (presenter) {
        // A copy: a presenter may replace itself while it runs.
        const Presenter present = presenter;
        present(prompt, title);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

MessageBox::Presenter MessageBox::setPresenter(Presenter p)
{
    return std::exchange(presenter, std::move(p));
}

} // namespace tk
