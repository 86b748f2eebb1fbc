#pragma once
// How large the viewer's first window is: the whole picture, scaled down
// only as far as the screen needs, with its description under it.

#include "afx/ui/ScreenFit.h"

#include <QSize>

#include <functional>

namespace diagview {

// The smallest window worth opening, when the screen has room for it.
constexpr QSize kSmallestWindow(360, 300);
using afx::kFrameAllowance;

struct WindowFit {
    QSize window;  // the client area
    QSize picture; // the picture as drawn in it
};

// `available` is the screen's available area; `captionHeight` gives the
// description's height at a width (0 when there is none).
WindowFit FitWindow(QSize picture, QSize available, const std::function<int(int)>& captionHeight);

} // namespace diagview
