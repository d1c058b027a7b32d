#pragma once
// The tab order of one window: every control in it has a unique TabIndex
// 0..n-1; giving one control an index moves it there and renumbers the
// others, and a control destroyed leaves it as the others close up.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <limits>
#include <vector>

namespace tk {

class TabOrder : public QObject {
    Q_OBJECT
public:
    // The order of the window that `client` is the client area of.
    explicit TabOrder(QWidget *client);

    // Moves a control to `index` in its window's order, the last place when
    // past the end (by default: appends it).
    static void place(QWidget *control, int index = std::numeric_limits<int>::max());
    // The control's TabIndex, or -1 when it has none.
    static int indexOf(const QWidget *control);

private:
    // The order `control`'s window keeps, destroyed controls dropped; null when it keeps none.
    static std::vector<QPointer<QWidget>> *orderOf(const QWidget *control);

    std::vector<QPointer<QWidget>> m_order;
};

} // namespace tk
