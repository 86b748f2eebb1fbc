#pragma once
// A read-only registry stand-in: a key is a folder under the registry root,
// hive first, backslashes read as separators. The root is $NVKIT_REGISTRY,
// else /etc/xdg/nvkit/registry.

#include "afx/CString.h"

namespace nvkit {

CString RegistryRoot();
// True when the key exists; its values are not read.
bool RegistryKeyExists(const char* hive, const char* key);

} // namespace nvkit
