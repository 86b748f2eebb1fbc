#include "Registry.h"

#include <cstdlib>
#include <sys/stat.h>

namespace nvkit {

CString RegistryRoot()
{
    const char* root = std::getenv("NVKIT_REGISTRY");
    return (root != nullptr && *root != '\0') ? CString(root) : CString("/etc/xdg/nvkit/registry");
}

bool RegistryKeyExists(const char* hive, const char* key)
{
    std::string path = RegistryRoot().Bytes() + "/" + hive + "/" + key;
    for (char& ch : path)
        if (ch == '\\')
            ch = '/';
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace nvkit
