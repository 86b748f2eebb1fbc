// Calls the exports of libnvkit.so from a process of its own:
//   nvkit_probe inuse NAME     prints InUse's result, then holds until stdin closes
//   nvkit_probe help PATH...   prints NVHtmlHelp's result for each path

#include "nvkit.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "inuse") == 0) {
        std::printf("%d\n", InUse(argv[2]));
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "help") == 0) {
        for (int i = 2; i < argc; ++i)
            std::printf("%d\n", NVHtmlHelp(argv[i]));
        return 0;
    }
    return 2;
}
