#pragma once

#include "afx/CString.h"

namespace nvkit {

// The folder to move into for a help path, or empty to stay; and the name
// the help viewer is given. Both follow the help file naming rules:
// dir/book.chm::/page.htm moves into dir and opens book.chm::/page.htm.
CString HelpFolder(const CString& path);
CString HelpName(const CString& path);

// The help viewer: $NVKIT_HELP_VIEWER, xchm, kchmviewer or xdg-open, the
// first found on PATH. Looked for once; empty when none was found.
const CString& HelpViewer();

bool OpenHelp(const char* path);

} // namespace nvkit
