#pragma once
// Saves of this program into one folder take turns: whoever reads a record
// to merge it, writes its temporary file and renames it over the record
// holds the folder, so no other window's save falls between. The lock goes
// with the process, whatever way it ends.

#include "CString.h"

namespace afx {

class FolderLock {
public:
    // Locks the folder that holds the file path names, waiting for it. A
    // folder that cannot be opened or locked (a file system without locks)
    // is used unlocked: saving must still work there.
    explicit FolderLock(const CString& path);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int m_fd = -1;
};

} // namespace afx
