#pragma once
// The shell's file-type association on a freedesktop desktop: a shared-
// mime-info type and a desktop entry, so that opening such a file in the
// file manager starts this program on it. An installed program has both
// from its package; one run from its build writes its own under
// $XDG_DATA_HOME at every start, with the desktop's caches brought up to
// date.

#include "afx/CString.h"

class QString;

namespace afx {

struct DocumentType {
    CString extension;
    CString typeId;
    CString typeName;
    CString programTitle;
};

// Writes the type for *<extension> and the entry that opens such files,
// unless the program is installed, whose package carries both.
void RegisterDocumentType(const DocumentType& type);

} // namespace afx
