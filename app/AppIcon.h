#pragma once

#include <QIcon>
#include <QImage>

namespace app {

// Icon 128: a question card with a check mark.
QImage ApplicationIconImage(int size);

// The icon at 16 and 32 pixels, as the frame and dialogs show it.
QIcon ApplicationIcon();

} // namespace app
