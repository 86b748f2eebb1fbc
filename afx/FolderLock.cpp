#include "FolderLock.h"

#include "FilePath.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace afx {

FolderLock::FolderLock(const CString& path, std::chrono::milliseconds patience)
{
    m_fd = open(FolderOf(path), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EINTR)
            continue;
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            m_held = error != EWOULDBLOCK;
            close(m_fd);
            m_fd = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        close(m_fd);
}

} // namespace afx
