#pragma once

#include "afx/CString.h"

namespace afx {

// Writes a shared-mime-info type for *<extension> and a desktop entry that
// opens such files with this program, under $XDG_DATA_HOME.
void RegisterDocumentType(const CString& extension, const CString& typeId, const CString& typeName,
                          const CString& programTitle);

} // namespace afx
