#pragma once

namespace nvkit {

// True at the first of the six reader keys that exists; otherwise the
// reader-missing dialog is shown and the answer is false.
bool ReaderInstalled();

} // namespace nvkit
