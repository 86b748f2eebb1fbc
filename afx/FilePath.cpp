#include "FilePath.h"

#include <filesystem>
#include <system_error>

namespace afx {

CString FullPath(const CString& path)
{
    if (path.IsEmpty())
        return path;
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(path.Bytes(), error);
    if (error)
        return path;
    full = full.lexically_normal();
    std::string text = full.string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return CString(std::move(text));
}

CString FileNameOf(const CString& path)
{
    return path.Mid(path.ReverseFind('/') + 1);
}

CString FolderOf(const CString& path)
{
    const int slash = path.ReverseFind('/');
    return slash < 0 ? CString(".") : slash == 0 ? CString("/") : path.Left(slash);
}

} // namespace afx
