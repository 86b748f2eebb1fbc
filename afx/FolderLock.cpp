#include "FolderLock.h"

#include "FilePath.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace afx {

FolderLock::FolderLock(const CString& path)
{
    m_fd = open(FolderOf(path), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        return;
    while (flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {}
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        close(m_fd);
}

} // namespace afx
