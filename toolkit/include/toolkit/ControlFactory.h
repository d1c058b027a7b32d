#pragma once
// Makes a control from its design: every designed property applied.
#include "toolkit/Control.h"
#include "toolkit/Design.h"

class QObject;
class QWidget;

namespace tk {

// A new control inside `container` (its QObject parent) carrying every property of `design`.
QObject *createControl(const ControlDesign &design, QWidget *container);


} // namespace tk
