#pragma once
// Lists the files matching a wildcard pattern, with the framework's calling
// pattern: FindFile, then FindNextFile before each entry is read; the call
// that reaches the last entry returns false. Names match as Windows matches
// them: ignoring case, hidden files included. Paths are native bytes.

#include "CString.h"

#include <vector>

namespace afx {

class CFileFind {
public:
    // Pattern in the form "folder/*.db" or "*.db"; only ordinary files match.
    bool FindFile(const char* pattern = "*");
    bool FindNextFile();
    void Close();

    CString GetFileName() const;
    CString GetFilePath() const;

private:
    std::vector<CString> m_paths;
    int m_next = 0;
    int m_current = -1;
};

// Orders names as the framework's sorted list box does: ignoring case, with
// the bytes as the tie-break so that the order is total.
bool NameLessIgnoringCase(const CString& a, const CString& b);

} // namespace afx
