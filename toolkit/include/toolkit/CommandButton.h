#pragma once
// A command button, standard or graphical; only the graphical style shows its
// BackColor. The focused button is pressed by Space and by Enter alike.
#include "toolkit/Control.h"

#include <QPushButton>
#include <functional>

namespace tk {

class CommandButton : public Control<QPushButton> {
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
    void setGraphical(bool graphical);
    bool Graphical() const { return m_graphical; }

    // Click handler, run as an event handler.
    std::function<void()> onClick;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_graphical = false;
};

} // namespace tk
