#include "DocumentFile.h"

#include "RegularFile.h"

#include "FilePath.h"

#include <ext/stdio_filebuf.h>

#include <dirent.h>
#include <sys/file.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace afx {
namespace {

using FileBuffer = __gnu_cxx::stdio_filebuf<char>;

// Where writing to path really lands: the end of its chain of links.
std::string FinalTarget(const std::string& path)
{
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        char link[PATH_MAX];
        const ssize_t length = readlink(target.c_str(), link, sizeof link - 1);
        if (length < 0)
            return target;
        const std::string text(link, static_cast<size_t>(length));
        if (!text.empty() && text.front() == '/') {
            target = text;
        } else {
            const size_t slash = target.rfind('/');
            target = (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + text;
        }
    }
    return target;
}

mode_t NewFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& bytes)
{
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t now = write(fd, bytes.data() + written, bytes.size() - written);
        if (now < 0 && errno == EINTR)
            continue;
        if (now <= 0)
            return false;
        written += static_cast<size_t>(now);
    }
    return true;
}

// ".NAME.XXXXXX", where mkostemp put six letters or digits.
bool IsTemporaryOf(const std::string& entry, const std::string& name)
{
    const std::string prefix = "." + name + ".";
    if (entry.size() != prefix.size() + 6 || entry.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (size_t i = prefix.size(); i < entry.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(entry[i])))
            return false;
    return true;
}

// A save that was killed leaves its temporary file behind. Every save holds
// its own temporary file locked while it lives, so one that can be locked
// now belongs to no running save; links and other kinds of file are never
// ours to remove.
void RemoveOrphanedTemporaries(const std::string& folder, const std::string& name)
{
    DIR* listing = opendir(folder.empty() ? "." : folder.c_str());
    if (listing == nullptr)
        return;
    while (const dirent* entry = readdir(listing)) {
        if (!IsTemporaryOf(entry->d_name, name))
            continue;
        const std::string path = folder + entry->d_name;
        const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0)
            unlink(path.c_str());
        close(fd);
    }
    closedir(listing);
}

} // namespace

void SyncFolderOf(const std::string& file)
{
    const int fd = open(FolderOf(CString(file)), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

DocumentReader::DocumentReader() = default;
DocumentReader::~DocumentReader() = default;

FileFault DocumentReader::Open(const CString& path)
{
    RegularFile file;
    switch (file.Open(path)) {
    case RegularFile::Fault::unreadable:
        return FileFaultFromErrno(file.Errno());
    case RegularFile::Fault::folder:
        return FileFault::accessDenied;
    case RegularFile::Fault::special:
    case RegularFile::Fault::tooLarge:
        return FileFault::ioError;
    case RegularFile::Fault::none:
        break;
    }
    m_size = file.Size();
    m_buffer = std::make_unique<FileBuffer>(file.Release(), std::ios::in | std::ios::binary);
    m_stream = std::make_unique<std::istream>(m_buffer.get());
    return FileFault::none;
}

CString ResolvedPath(const CString& path)
{
    return FinalTarget(path.Bytes());
}

FileFault ReplaceFileContents(const CString& path, const std::string& bytes)
{
    const std::string target = FinalTarget(path.Bytes());
    mode_t mode = NewFileMode();
    struct stat old {};
    const bool exists = stat(target.c_str(), &old) == 0;
    if (exists) {
        // The write bits, not access(): the administrator may write anything,
        // but a record marked read-only is still not to be replaced.
        if (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0)
            return FileFault::accessDenied;
        mode = old.st_mode & 07777;
    } else if (errno != ENOENT) {
        return FileFaultFromErrno(errno);
    }

    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = target.substr(folder.size());
    RemoveOrphanedTemporaries(folder, name);
    std::string temporary = folder + "." + name + ".XXXXXX";
    const int fd = mkostemp(&temporary[0], O_CLOEXEC);
    if (fd < 0)
        return FileFaultFromErrno(errno);
    flock(fd, LOCK_EX | LOCK_NB);

    int error = 0;
    errno = 0;
    // Only the administrator can keep another user's ownership; the
    // contents matter more than the owner.
    if (exists)
        static_cast<void>(fchown(fd, old.st_uid, old.st_gid) == 0);
    if (fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0)
        error = errno ? errno : EIO;
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        const FileFault fault = FileFaultFromErrno(error);
        return fault == FileFault::none ? FileFault::ioError : fault;
    }
    SyncFolderOf(target);
    return FileFault::none;
}

} // namespace afx
