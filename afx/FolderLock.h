#pragma once
// Saves of this program into one folder take turns: whoever reads a record
// to merge it, writes its temporary file and renames it over the record
// holds the folder, so no other window's save falls between. A save holds
// it only for that work, never while a box waits for the user, so the wait
// for it is short; it is bounded all the same, since the interface waits
// with it. The lock goes with the process, whatever way it ends.

#include "CString.h"

#include <chrono>

namespace afx {

class FolderLock {
public:
    // Locks the folder that holds the file path names, trying for up to
    // patience. A folder that cannot be opened or locked (a file system
    // without locks) is used unlocked: saving must still work there.
    FolderLock(const CString& path, std::chrono::milliseconds patience);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False when another save held the folder the whole time.
    bool Held() const { return m_held; }

private:
    int m_fd = -1;
    bool m_held = true;
};

} // namespace afx
