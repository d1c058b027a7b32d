#include "toolkit/TabOrder.h"
#include "toolkit/RuntimeError.h"

#include <algorithm>

namespace tk {

TabOrder::TabOrder(QWidget *client)
    : QObject(client)
{
    setObjectName(QStringLiteral("tabOrder"));
}

TabOrder *TabOrder::of(const QWidget *control)
{
    for (const QWidget *w = control; w; w = w->parentWidget()) {
        if (auto *order = w->findChild<TabOrder *>(QStringLiteral("tabOrder"), Qt::FindDirectChildrenOnly))
            return order;
    }
    return nullptr;
}

void TabOrder::add(QWidget *control)
{
    if (TabOrder *order = of(control)) {
        order->compact();
        order->m_order.emplace_back(control);
        order->apply();
    }
}

void TabOrder::remove(QWidget *control)
{
    if (TabOrder *order = of(control)) {
        auto &v = order->m_order;
        v.erase(std::remove(v.begin(), v.end(), control), v.end());
        order->compact();
    }
}

int TabOrder::indexOf(const QWidget *control)
{
    TabOrder *order = of(control);
    if (!order)
        return -1;
    order->compact();
    const auto it = std::find(order->m_order.begin(), order->m_order.end(), control);
    return it == order->m_order.end() ? -1 : static_cast<int>(it - order->m_order.begin());
}

void TabOrder::setIndex(QWidget *control, int index)
{
    if (index < 0)
        tk::raise(InvalidCall);
    TabOrder *order = of(control);
    if (!order)
        return;
    order->compact();
    auto &v = order->m_order;
    v.erase(std::remove(v.begin(), v.end(), control), v.end());
    const auto at = std::min<std::size_t>(static_cast<std::size_t>(index), v.size());
    v.insert(v.begin() + static_cast<std::ptrdiff_t>(at), QPointer<QWidget>(control));
    order->apply();
}

void TabOrder::compact()
{
    m_order.erase(std::remove_if(m_order.begin(), m_order.end(),
                                 [](const QPointer<QWidget> &p) { return p.isNull(); }),
                  m_order.end());
}

void TabOrder::apply()
{
    QWidget *previous = nullptr;
    for (const auto &p : m_order) {
        if (!(p->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, p);
        previous = p;
    }
}

} // namespace tk
