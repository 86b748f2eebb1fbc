#pragma once
// What can go wrong between a document and its file, and the framework's
// own prompt for each; the prompts name the file at "%1".

namespace afx {

enum class FileFault { none, notFound, accessDenied, diskFull, ioError };

const char* FileFaultPrompt(FileFault fault, bool saving);

// The fault an errno value stands for.
FileFault FileFaultFromErrno(int error);

} // namespace afx
