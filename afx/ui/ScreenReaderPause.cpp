#include "ScreenReaderPause.h"

#include <QAccessible>
#include <QEventLoop>
#include <QTimer>

namespace afx {

namespace {
// Orca takes tens of milliseconds over a key when the program answers at
// once; a person does not notice this much before a dialog.
constexpr int kReaderCatchUpMs = 150;
} // namespace

void LetScreenReaderFinishTheKey()
{
    if (!QAccessible::isActive())
        return;
    QEventLoop pause;
    QTimer::singleShot(kReaderCatchUpMs, &pause, &QEventLoop::quit);
    pause.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace afx
