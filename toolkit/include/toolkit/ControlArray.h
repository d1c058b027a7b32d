#pragma once
// A control array: a family of like controls addressed by index. Element 0
// is the designed template and stays hidden; element n is created from the
// template's design, with every designed property, and starts hidden.
// An unloaded element is destroyed. The elements raise their events through
// the array, with their Index: a handler is bound once, to the array. An
// element may be made ahead, before its first load, which then only takes it.
#include "toolkit/ControlFactory.h"
#include "toolkit/Design.h"
#include "toolkit/RuntimeError.h"
#include "toolkit/TabOrder.h"
#include "toolkit/TextBox.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <type_traits>

namespace tk {

template <class T>
class ControlArray {
public:
    // The array of `templateDesign` in `container`; its template is
    // `madeTemplate` when its window made it already (in its place in the tab
    // order), else it is made here and takes the last place.
    ControlArray(const ControlDesign &templateDesign, QWidget *container, T *madeTemplate = nullptr)
        : m_design(templateDesign)
        , m_container(container)
    {
        if (madeTemplate) {
            madeTemplate->setName(QStringLiteral("%1(0)").arg(m_design.name));
            m_items[0] = madeTemplate;
        } else {
            m_items[0] = make(0, m_design.visible);
        }
    }
    // The elements' handlers reach the array itself: it stays where it was made.
    ControlArray(const ControlArray &) = delete;
    ControlArray &operator=(const ControlArray &) = delete;

    // Element `index`; raises ElementMissing when it is not loaded.
    T &operator()(int index) const
    {
        const auto it = m_items.find(index);
        if (it == m_items.end() || it->second.isNull())
            tk::raise(ElementMissing, QStringLiteral("Control array element '%1' doesn't exist").arg(index));
        return *it->second;
    }

    bool exists(int index) const
    {
        const auto it = m_items.find(index);
        return it != m_items.end() && !it->second.isNull();
    }

    // Creates element `index` from the template; raises AlreadyLoaded when it exists.
    void load(int index)
    {
        if (index < 0 || index > 32767)
            tk::raise(SubscriptOutOfRange);
        if (exists(index))
            tk::raise(AlreadyLoaded);
        auto ahead = m_ahead.extract(index);
        m_items[index] = ahead && !ahead.mapped().isNull() ? ahead.mapped().data() : make(index, false);
    }

    // Makes element `index` now, hidden and not loaded, for its first load to
    // take: that load then costs nothing. An unloaded element is never taken again.
    void makeAhead(int index)
    {
        if (!exists(index) && !m_ahead.contains(index))
            m_ahead[index] = make(index, false);
    }

    // Destroys element `index`; raises ElementMissing when absent, InvalidCall for the template.
    void unload(int index)
    {
        if (index == 0)
            tk::raise(InvalidCall, QStringLiteral("Can't unload controls created at design time"));
        T *element = &(*this)(index);
        m_items.erase(index);
        delete element;
    }

    // The elements' events, with the Index of the element that raised them.
    std::function<void(int Index, int &KeyAscii)> KeyPress;
    std::function<void(int Index)> Change;

private:
    T *make(int index, bool visible)
    {
        auto *control = qobject_cast<T *>(createControl(m_design, m_container));
        if (!control)
            tk::raise(InvalidCall, QStringLiteral("Control array of the wrong kind"));
        if constexpr (std::is_base_of_v<TextBox, T>) {
            if (index > 0) {
                control->onKeyPress = [this, index](int &keyAscii) {
                    if (KeyPress)
                        KeyPress(index, keyAscii);
                };
                control->onChange = [this, index] {
                    if (Change)
                        Change(index);
                };
            }
        }
        control->setName(QStringLiteral("%1(%2)").arg(m_design.name).arg(index));
        control->setVisible(visible);
        if (m_design.tabIndex >= 0)
            TabOrder::place(control);
        return control;
    }

    ControlDesign m_design;
    QPointer<QWidget> m_container;
    std::map<int, QPointer<T>> m_items;
    std::map<int, QPointer<T>> m_ahead;  // made, not loaded yet
};

} // namespace tk
