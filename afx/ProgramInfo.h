#pragma once
// What every program of the project answers to --help, -h and --version as
// its first argument, before it looks at any other.

#include <cstdio>
#include <cstring>

namespace afx {

// True when the first argument asked for the usage or the version, which
// has then been printed on standard output.
inline bool AnswerInfoRequest(int argc, char** argv, const char* program, const char* usage)
{
    if (argc < 2)
        return false;
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(usage, stdout);
        return true;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s %s\n", program, QUILLO_VERSION);
        return true;
    }
    return false;
}

} // namespace afx
