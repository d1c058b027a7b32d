#pragma once
// Holds back the repainting of a window while one handler changes many of its
// controls: nothing of the window is painted until the batch ends, and then
// the window is painted once, as a whole, showing only the end result. The
// handler runs to completion before any paint anyway, so what the player sees
// is the same; the window is spared the bookkeeping of every single change.
// Batches nest: only the outermost one holds and releases.
#include <QPointer>
#include <QWidget>

namespace tk {

class UpdateBatch {
public:
    explicit UpdateBatch(QWidget *window)
        : m_window(window ? window->window() : nullptr)
        , m_holding(m_window && m_window->updatesEnabled())
    {
        if (m_holding)
            m_window->setUpdatesEnabled(false);
    }
    ~UpdateBatch() { end(); }
    UpdateBatch(const UpdateBatch &) = delete;
    UpdateBatch &operator=(const UpdateBatch &) = delete;

    // Ends the batch early (before a modal wait, for one).
    void end()
    {
        if (m_holding && m_window)
            m_window->setUpdatesEnabled(true);
        m_holding = false;
    }

private:
    QPointer<QWidget> m_window;
    bool m_holding;
};

} // namespace tk
