#pragma once
// Accelerator table 128: keys that send commands wherever the focus is in
// the main window.

#include <QKeySequence>
#include <QList>

#include <vector>

namespace afx {
class CFrameWnd;
}

namespace app {

struct Accelerator {
    const char* keys;
    int id;
};

const std::vector<Accelerator>& AcceleratorTable();
// The keys of a command, in table order.
QList<QKeySequence> AcceleratorKeys(int id);

// Binds every entry whose command has no menu item carrying its keys. An
// edit control with the focus keeps its own editing keys (cut, copy,
// paste, undo), so the edit entries, which nothing handles, never take
// them from it.
void InstallAccelerators(afx::CFrameWnd& frame);

} // namespace app
