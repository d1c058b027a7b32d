#pragma once
// What every windowed control offers the game code: geometry in twips, the
// Visible and Enabled properties, a background colour and a place in the tab order.
#include "toolkit/Colour.h"
#include "toolkit/Design.h"
#include "toolkit/RuntimeError.h"
#include "toolkit/TabOrder.h"
#include "toolkit/Twips.h"

#include <QWidget>

namespace tk {

// `font` set in a designed face, size and weight.
QFont designedFont(QFont font, const FontDesign &design);

// Raises InvalidCall unless `w` can take the focus; finishes the word being
// composed in the focused box; then gives `w` the focus.
void giveFocus(QWidget *w);

// Paints a widget's background in a stored colour.
void applyBackColor(QWidget *w, OleColor stored);

template <class Base>
class Control : public Base {
public:
    using Base::Base;

    // Geometry in twips; a negative width or height raises InvalidCall.
    float Left() const { return toTwips(this->x()); }
    float Top() const { return toTwips(this->y()); }
    float Width() const { return toTwips(this->width()); }
    float Height() const { return toTwips(this->height()); }
    void setLeft(float twips) { this->move(toPixels(twips), this->y()); }
    void setTop(float twips) { this->move(this->x(), toPixels(twips)); }
    void setWidth(float twips) { this->resize(toPixels(nonNegative(twips)), this->height()); }
    void setHeight(float twips) { this->resize(this->width(), toPixels(nonNegative(twips))); }

    // The Visible property: shown whenever the container is (independent of the window's state).
    bool Visible() const { return !this->isHidden(); }
    bool Enabled() const { return this->isEnabled(); }

    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor stored) { m_backColor = stored; applyBackColor(this, stored); }

    // Gives the control the focus; raises InvalidCall when it cannot take it.
    void SetFocus() { giveFocus(this); }

    int TabIndex() const { return TabOrder::indexOf(this); }
    // Moves the control to `index` in the tab order (the last place when past the end); raises InvalidCall when negative.
    void setTabIndex(int index)
    {
        if (index < 0)
            tk::raise(InvalidCall);
        TabOrder::place(this, index);
    }

    const QString &Name() const { return m_name; }
    void setName(const QString &name) { m_name = name; this->setObjectName(name); }

protected:
    static float nonNegative(float twips)
    {
        if (twips < 0)
            tk::raise(InvalidCall);
        return twips;
    }

    OleColor m_backColor = sysButtonFace;
    QString m_name;
};

} // namespace tk
