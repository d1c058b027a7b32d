#pragma once
// The level a faded window is shown at, read from its pixels: where window
// systems have no whole-window opacity (the headless platform the tests run
// on, Wayland), the fade is the alpha its pixels carry to the compositor.
#include <QImage>
#include <QWidget>

// The alpha of the window's pixel at `at`; by default a point of the intro's
// left edge band, which has the window's colour in every phase.
inline int shownLevel(QWidget &window, QPoint at = QPoint(2, 60))
{
    return qAlpha(window.grab(QRect(at, QSize(1, 1))).toImage().pixel(0, 0));
}

// Whether the window is shown at `level`, give or take the one step that
// Qt's painting at an opacity may round away.
inline bool shownAt(QWidget &window, int level, QPoint at = QPoint(2, 60))
{
    return qAbs(shownLevel(window, at) - level) <= 1;
}
