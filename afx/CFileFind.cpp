#include "CFileFind.h"

#include <glob.h>
#include <sys/stat.h>

namespace afx {

bool CFileFind::FindFile(const char* pattern)
{
    Close();
    glob_t found{};
    if (glob(pattern, 0, nullptr, &found) == 0) {
        for (size_t i = 0; i < found.gl_pathc; ++i) {
            struct stat info{};
            if (stat(found.gl_pathv[i], &info) == 0 && S_ISREG(info.st_mode))
                m_paths.emplace_back(found.gl_pathv[i]);
        }
    }
    globfree(&found);
    return !m_paths.empty();
}

bool CFileFind::FindNextFile()
{
    if (m_next >= static_cast<int>(m_paths.size()))
        return false;
    m_current = m_next++;
    return m_next < static_cast<int>(m_paths.size());
}

void CFileFind::Close()
{
    m_paths.clear();
    m_next = 0;
    m_current = -1;
}

CString CFileFind::GetFilePath() const
{
    if (m_current < 0)
        return CString();
    return m_paths[static_cast<size_t>(m_current)];
}

CString CFileFind::GetFileName() const
{
    const CString path = GetFilePath();
    return path.Mid(path.ReverseFind('/') + 1);
}

} // namespace afx
