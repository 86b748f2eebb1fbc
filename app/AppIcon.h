#pragma once

#include <QIcon>

namespace app {

// Icon 128: a question card with a check mark, drawn at 16 and 32 pixels.
QIcon ApplicationIcon();

} // namespace app
