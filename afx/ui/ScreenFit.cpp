#include "ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace afx {

QSize LargestClient(const QWidget& window)
{
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return (screen->availableGeometry().size() - kFrameAllowance).expandedTo(QSize(1, 1));
}

void ResizeWithinScreen(QWidget& window, QSize wanted)
{
    window.resize(wanted.boundedTo(LargestClient(window)));
}

} // namespace afx
