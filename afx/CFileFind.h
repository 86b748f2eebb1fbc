#pragma once
// Lists the files matching a wildcard pattern, with the framework's calling
// pattern: FindFile, then FindNextFile before each entry is read; the call
// that reaches the last entry returns false.

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

} // namespace afx
