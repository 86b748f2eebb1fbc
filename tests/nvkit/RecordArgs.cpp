// A stand-in for an external program: appends its arguments, one per line,
// and its working folder to the file named by $RECORD_FILE.

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv)
{
    const char* file = std::getenv("RECORD_FILE");
    if (file == nullptr)
        return 1;
    FILE* out = std::fopen(file, "a");
    if (out == nullptr)
        return 1;
    char folder[4096] = "";
    if (getcwd(folder, sizeof folder) == nullptr)
        folder[0] = '\0';
    for (int i = 0; i < argc; ++i)
        std::fprintf(out, "%s\n", argv[i]);
    std::fprintf(out, "cwd=%s\n", folder);
    std::fclose(out);
    return 0;
}
