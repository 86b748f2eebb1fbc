#include "WebBrowser.h"

#include "Launcher.h"
#include "UserInterface.h"

#include <cstdlib>

namespace nvkit {

const char* const kSupportUrl = "https://www.norvane.com/support/support_title.htm";

CString DefaultBrowser()
{
    const char* browsers = std::getenv("BROWSER");
    if (browsers != nullptr && *browsers != '\0') {
        const CString all = browsers;
        const int colon = all.Find(':');
        CString first = colon < 0 ? all : all.Left(colon);
        if (!first.IsEmpty())
            return first;
    }
    return "xdg-open";
}

// A "URL" that starts with '-' would reach the browser as an option; it is
// no address, so nothing is started. A launcher such as xdg-open that finds
// no browser ends in failure at once: it is watched for that long.
void OpenInBrowser(const char* url)
{
    constexpr int kLauncherWatchMs = 1500;
    const CString browser = DefaultBrowser();
    const CString name = browser.Mid(browser.ReverseFind('/') + 1);
    const bool safe = url != nullptr && url[0] != '-';
    if (!safe || !StartDetached(browser, name, url, kLauncherWatchMs))
        Ui().ShowMessage("Unable to find Internet Browser");
}

} // namespace nvkit
