#pragma once

#include "afx/CString.h"

namespace nvkit {

// The maker's support page.
extern const char* const kSupportUrl;

// $BROWSER's first entry, else xdg-open.
CString DefaultBrowser();
// Starts the browser on url, telling the user when it cannot.
void OpenInBrowser(const char* url);

} // namespace nvkit
