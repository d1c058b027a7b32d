#pragma once
// The tab order of one window: every control has a unique TabIndex 0..n-1;
// giving one control an index moves it there and renumbers the others.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace tk {

class TabOrder : public QObject {
    Q_OBJECT
public:
    explicit TabOrder(QWidget *client);

    // Appends a control at the end of its window's order.
    static void add(QWidget *control);
    // Takes a control out of its window's order; the others close up.
    static void remove(QWidget *control);
    // The control's TabIndex, or -1 when it has none.
    static int indexOf(const QWidget *control);
    // Moves the control to `index` (clamped to the end); raises InvalidCall when negative.
    static void setIndex(QWidget *control, int index);

private:
    static TabOrder *of(const QWidget *control);
    void compact();
    void apply();

    std::vector<QPointer<QWidget>> m_order;
};

} // namespace tk
