#pragma once
// The modal message box: a prompt, the OK button alone, no icon and a title.
// Tests put a presenter of their own in place of the real box.
#include <QString>
#include <functional>

namespace tk {

class MessageBox {
public:
    using Presenter = std::function<void(const QString &prompt, const QString &title)>;

    // Shows the box and returns when the player has closed it.
    static void show(const QString &prompt, const QString &title);
    // Replaces the presenter (nullptr: the real box); returns the previous one.
    static Presenter setPresenter(Presenter presenter);
};

} // namespace tk
