// The library's boundary: nothing thrown inside may cross it.

#include "nvkit.h"

#include "AcrobatCheck.h"
#include "HtmlHelp.h"
#include "InUse.h"
#include "WebBrowser.h"

#define NVKIT_EXPORT __attribute__((visibility("default")))

extern "C" {

NVKIT_EXPORT NVBOOL NVHtmlHelp(const char* helpFile)
{
    try {
        return nvkit::OpenHelp(helpFile) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

NVKIT_EXPORT void ExecDefaultWebBrowser(const char* url)
{
    try {
        nvkit::OpenInBrowser(url);
    } catch (...) {}
}

NVKIT_EXPORT void TechSupportOnTheWeb()
{
    ExecDefaultWebBrowser(nvkit::kSupportUrl);
}

NVKIT_EXPORT uint8_t TestForAcrobat50(int32_t, int32_t, int32_t, int32_t, int32_t)
{
    try {
        return nvkit::ReaderInstalled() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

NVKIT_EXPORT uint8_t TestForAcrobat16(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e)
{
    return TestForAcrobat50(a, b, c, d, e);
}

NVKIT_EXPORT int32_t TestForAcrobat(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e)
{
    return TestForAcrobat50(a, b, c, d, e);
}

NVKIT_EXPORT NVBOOL InUse(const char* mutexName)
{
    try {
        return nvkit::NameInUse(mutexName) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}
}
