#pragma once
// Every window of ours fits the screen it opens on: a size wanted for the
// content is cut to the screen's free area less what a frame takes, and
// what is inside scrolls.

#include <QSize>

class QWidget;

namespace afx {

// What the window manager's frame takes around a client area, before the
// window is shown and the real margins are known.
constexpr QSize kFrameAllowance(16, 48);

// The largest client area a window may have on its screen (the primary
// screen before it has one).
QSize LargestClient(const QWidget& window);

// Resizes the window to the size wanted, or as much of it as fits.
void ResizeWithinScreen(QWidget& window, QSize wanted);

} // namespace afx
