#include "HtmlHelp.h"

#include "Launcher.h"

#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace nvkit {
namespace {

constexpr int kPathBuffer = 256;
char g_savedFolder[kPathBuffer] = "";

} // namespace

CString HelpFolder(const CString& path)
{
    CString copy = path;
    const int colon = copy.ReverseFind(':');
    if (colon >= 0)
        copy = copy.Left(colon);
    int cut = copy.ReverseFind('/');
    if (cut < 0)
        cut = copy.ReverseFind('\\');
    return cut < 0 ? CString() : copy.Left(cut);
}

CString HelpName(const CString& path)
{
    const int colon = path.ReverseFind(':');
    if (colon < 0) {
        const int slash = path.ReverseFind('/');
        return slash < 0 ? path : path.Mid(slash + 1);
    }
    CString name = path;
    if (colon + 1 >= name.GetLength() || name.GetAt(colon + 1) != '/')
        name = name.Left(colon + 1) + "/" + name.Mid(colon + 1);
    const int slash = name.Left(colon + 1).ReverseFind('/');
    return slash > 0 ? name.Mid(slash + 1) : name;
}

const CString& HelpViewer()
{
    static const CString viewer = [] {
        const char* chosen = std::getenv("NVKIT_HELP_VIEWER");
        // The project's own viewer shows the pages formatted; the others
        // are what a desktop may have instead.
        for (const char* candidate : {chosen, "quillo-help", "xchm", "kchmviewer", "xdg-open"}) {
            if (candidate == nullptr || *candidate == '\0')
                continue;
            CString found = FindOnPath(candidate);
            if (!found.IsEmpty())
                return found;
        }
        return CString();
    }();
    return viewer;
}

// A path the work buffer cannot hold is refused before anything changes.
bool OpenHelp(const char* path)
{
    if (path == nullptr || std::strlen(path) >= kPathBuffer)
        return false;
    if (g_savedFolder[0] != '\0' && chdir(g_savedFolder) != 0)
        g_savedFolder[0] = '\0';
    if (getcwd(g_savedFolder, kPathBuffer) == nullptr)
        g_savedFolder[0] = '\0';
    const CString folder = HelpFolder(path);
    if (!folder.IsEmpty() && chdir(folder) != 0) {
        // The viewer is still started: it reports a file it cannot find.
    }
    // A help file that is not there opens no help window.
    const CString name = HelpName(path);
    const int pageMark = name.Find("::");
    if (access(pageMark < 0 ? name : name.Left(pageMark), R_OK) != 0)
        return false;
    const CString& viewer = HelpViewer();
    if (viewer.IsEmpty())
        return false;
    return StartDetached(viewer, viewer.Mid(viewer.ReverseFind('/') + 1), name);
}

} // namespace nvkit
