#pragma once
// What tells one state of a file from another without reading it: the file
// itself (device and inode, which a save by renaming replaces), its size and
// its modification time to the nanosecond.

#include "CString.h"

#include <cstdint>

namespace afx {

struct FileIdentity {
    bool exists = false;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedNs = 0;

    // Same file, same size and time: nothing can have written to it between.
    bool operator==(const FileIdentity& other) const;
    bool operator!=(const FileIdentity& other) const { return !(*this == other); }
    bool SameFile(const FileIdentity& other) const
    {
        return exists && other.exists && device == other.device && inode == other.inode;
    }
};

// The identity of what path names, following links; absent when it is not.
FileIdentity IdentityOf(const CString& path);

} // namespace afx
