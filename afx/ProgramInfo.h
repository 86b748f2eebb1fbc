#pragma once
// What every program of the project answers to --help, -h and --version as
// its first argument, before it looks at any other, and how it refuses an
// option it does not know.

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

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

// Names the option on standard error, with where to learn the right ones,
// and gives the exit status for a command line not understood.
inline int RefuseOption(const char* program, const char* option)
{
    std::fprintf(stderr, "%s: unknown option '%s'\nTry '%s --help' for what it takes.\n", program, option, program);
    return 2;
}

// The file names of a program that takes no option but --help and
// --version: an argument starting with '-' is refused, unless it follows
// "--", which is dropped, so that a file named "-x" can still be given.
inline std::optional<std::vector<std::string>> FileArguments(int argc, char** argv, const char* program)
{
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        if (!optionsEnded && std::strcmp(argv[i], "--") == 0) {
            optionsEnded = true;
        } else if (!optionsEnded && argv[i][0] == '-' && argv[i][1] != '\0') {
            RefuseOption(program, argv[i]);
            return std::nullopt;
        } else {
            files.emplace_back(argv[i]);
        }
    }
    return files;
}

} // namespace afx
