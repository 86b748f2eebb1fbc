// Calls the exports of libnvkit.so from a process of its own, which is no
// Qt application:
//   nvkit_probe inuse NAME        prints InUse's result, then holds until stdin closes
//   nvkit_probe help PATH...      prints NVHtmlHelp's result for each path
//   nvkit_probe reload LIB NAME   InUse from LIB loaded, unloaded and loaded again
//   nvkit_probe browser URL       ExecDefaultWebBrowser
//   nvkit_probe acrobat           prints TestForAcrobat's result

#include "nvkit.h"

#include <cstdio>
#include <cstring>
#include <dlfcn.h>

namespace {
// InUse from a fresh load of the library; the load is undone afterwards.
int InUseFromLoad(const char* library, const char* name)
{
    void* handle = dlopen(library, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return -1;
    const auto inUse = reinterpret_cast<NVBOOL (*)(const char*)>(dlsym(handle, "InUse"));
    const int result = inUse ? inUse(name) : -1;
    dlclose(handle);
    return result;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "inuse") == 0) {
        std::printf("%d\n", InUse(argv[2]));
        std::fflush(stdout);
        while (std::getchar() != EOF) {}
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "help") == 0) {
        for (int i = 2; i < argc; ++i)
            std::printf("%d\n", NVHtmlHelp(argv[i]));
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "reload") == 0) {
        const int first = InUseFromLoad(argv[2], argv[3]);
        std::printf("%d %d\n", first, InUseFromLoad(argv[2], argv[3]));
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "browser") == 0) {
        ExecDefaultWebBrowser(argv[2]);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "acrobat") == 0) {
        std::printf("%d\n", TestForAcrobat(0, 0, 0, 0, 0));
        return 0;
    }
    return 2;
}
