#pragma once
// What every windowed control offers the game code: geometry in twips, the
// Visible and Enabled properties, a background colour and a place in the tab order.
#include "toolkit/Colour.h"
#include "toolkit/Design.h"
#include "toolkit/TabOrder.h"
#include "toolkit/Twips.h"

#include <QWidget>

namespace tk {

// `font` set in a designed face, size and weight.
QFont designedFont(QFont font, const FontDesign &design);

// Paints a widget's background in a stored colour.
void applyBackColor(QWidget *w, OleColor stored);

template <class Base>
class Control : public Base {
public:
    using Base::Base;

    float Left() const { return leftOf(this); }
    float Top() const { return topOf(this); }
    float Width() const { return widthOf(this); }
    float Height() const { return heightOf(this); }
    void setLeft(float twips) { setLeftOf(this, twips); }
    void setTop(float twips) { setTopOf(this, twips); }
    void setWidth(float twips) { setWidthOf(this, twips); }
    void setHeight(float twips) { setHeightOf(this, twips); }

    // The Visible property: shown whenever the container is (independent of the window's state).
    bool Visible() const { return !this->isHidden(); }
    bool Enabled() const { return this->isEnabled(); }

    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor stored) { m_backColor = stored; applyBackColor(this, stored); }

    int TabIndex() const { return TabOrder::indexOf(this); }
    void setTabIndex(int index) { TabOrder::setIndex(this, index); }

    const QString &Name() const { return m_name; }
    void setName(const QString &name) { m_name = name; this->setObjectName(name); }

protected:
    OleColor m_backColor = sysButtonFace;
    QString m_name;
};

} // namespace tk
