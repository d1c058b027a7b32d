#include "toolkit/TabOrder.h"

#include <algorithm>

namespace tk {

TabOrder::TabOrder(QWidget *client)
    : QObject(client)
{
    setObjectName(QStringLiteral("tabOrder"));
}

std::vector<QPointer<QWidget>> *TabOrder::orderOf(const QWidget *control)
{
    for (const QWidget *w = control; w; w = w->parentWidget()) {
        if (auto *order = w->findChild<TabOrder *>(QStringLiteral("tabOrder"), Qt::FindDirectChildrenOnly)) {
            std::erase_if(order->m_order, [](const QPointer<QWidget> &p) { return p.isNull(); });
            return &order->m_order;
        }
    }
    return nullptr;
}

void TabOrder::place(QWidget *control, int index)
{
    auto *order = orderOf(control);
    if (!order)
        return;
    std::erase(*order, control);
    const auto at = std::min<std::size_t>(static_cast<std::size_t>(index), order->size());
    order->insert(order->begin() + static_cast<std::ptrdiff_t>(at), QPointer<QWidget>(control));
    // Tab and Shift+Tab walk the controls that take the focus in this order.
    QWidget *previous = nullptr;
    for (QWidget *w : *order) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

int TabOrder::indexOf(const QWidget *control)
{
    const auto *order = orderOf(control);
    if (!order)
        return -1;
    const auto it = std::find(order->begin(), order->end(), control);
    return it == order->end() ? -1 : static_cast<int>(it - order->begin());
}

} // namespace tk
