#include "FileIdentity.h"

#include <sys/stat.h>

namespace afx {

bool FileIdentity::operator==(const FileIdentity& other) const
{
    if (!exists || !other.exists)
        return exists == other.exists;
    return device == other.device && inode == other.inode && size == other.size && modifiedNs == other.modifiedNs;
}

FileIdentity IdentityOf(const CString& path)
{
    struct stat info {};
    FileIdentity identity;
    if (stat(path, &info) != 0)
        return identity;
    identity.exists = true;
    identity.device = static_cast<uint64_t>(info.st_dev);
    identity.inode = static_cast<uint64_t>(info.st_ino);
    identity.size = static_cast<int64_t>(info.st_size);
    identity.modifiedNs = static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return identity;
}

} // namespace afx
