#pragma once
// The shell's file-type association on a freedesktop desktop: a shared-
// mime-info type and a desktop entry under $XDG_DATA_HOME, with the
// desktop's databases brought up to date, so that opening such a file in
// the file manager starts this program on it.

#include "afx/CString.h"

class QString;

namespace afx {

struct DocumentType {
    CString extension;
    CString typeId;
    CString typeName;
    CString programTitle;
};

// Writes the type for *<extension> and the entry that opens such files.
// The entry keeps the folder a start last opened a document in; before
// any, the installed sample folder beside the program, when there is one.
void RegisterDocumentType(const DocumentType& type);

// After a start that opened its document: the entry starts there from now.
void RememberStartFolder(const DocumentType& type, const QString& folder);

} // namespace afx
