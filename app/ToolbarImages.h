#pragma once

#include <QIcon>

namespace app {

// The picture of a toolbar button: the desktop theme's icon where it has
// one, else one drawn here in the 16 x 16 toolbar style.
QIcon ToolbarImage(int commandId);

} // namespace app
