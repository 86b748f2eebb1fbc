#pragma once
// Paths are native: the bytes the file system holds (UTF-8 here), carried in
// a CString but never passed through the ANSI converter.

#include "CString.h"

namespace afx {

// As the framework's document manager makes a path full before it opens,
// saves or lists a document: relative to the working folder, with "." and
// ".." resolved by name. The empty path stays empty.
CString FullPath(const CString& path);

// The last component of a path, which the framework shows as a title.
CString FileNameOf(const CString& path);
// All but the last component: the folder a full path's file is in.
CString FolderOf(const CString& path);

} // namespace afx
