#include "CFileFind.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fnmatch.h>
#include <strings.h>
#include <sys/stat.h>

namespace afx {

bool NameLessIgnoringCase(const CString& a, const CString& b)
{
    const int folded = strcasecmp(a, b);
    return folded != 0 ? folded < 0 : a < b;
}

bool CFileFind::FindFile(const char* pattern)
{
    Close();
    const std::string whole = pattern ? pattern : "*";
    const size_t slash = whole.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : whole.substr(0, slash + 1);
    const std::string name = whole.substr(folder.size());

    DIR* listing = opendir(folder.empty() ? "." : folder.c_str());
    if (listing == nullptr)
        return false;
    while (const dirent* entry = readdir(listing)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        if (fnmatch(name.c_str(), entry->d_name, FNM_CASEFOLD) != 0)
            continue;
        const std::string path = folder + entry->d_name;
        struct stat info {};
        if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            m_paths.emplace_back(path);
    }
    closedir(listing);
    std::sort(m_paths.begin(), m_paths.end(), NameLessIgnoringCase);
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
