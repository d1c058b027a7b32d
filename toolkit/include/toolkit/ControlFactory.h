#pragma once
// Makes a control from its design: every designed property applied.
#include "toolkit/Control.h"
#include "toolkit/Design.h"

class QObject;
class QWidget;

namespace tk {

// A new control inside `container` (its QObject parent) carrying every property of `design`.
QObject *createControl(const ControlDesign &design, QWidget *container);

// Makes `control`, made earlier from `design`, as it was when it was made: the
// look it had then (`made`), every designed property, on top of its siblings. Texts, pictures and colours set since are gone.
void redesignControl(QWidget *control, const ControlDesign &design, const Look &made);

} // namespace tk
