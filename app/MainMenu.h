#pragma once

namespace afx {
class CFrameWnd;
}

namespace app {

// Menu 128 and the accelerators on the frame's menu bar. The recent-file
// entries are rebuilt each time the File menu opens.
void BuildMainMenu(afx::CFrameWnd& frame);

} // namespace app
