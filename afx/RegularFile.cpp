#include "RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace afx {

RegularFile::~RegularFile()
{
    if (m_fd >= 0)
        close(m_fd);
}

RegularFile::Fault RegularFile::Open(const char* path)
{
    m_fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        m_errno = errno;
        return Fault::unreadable;
    }
    struct stat info {};
    if (fstat(m_fd, &info) != 0) {
        m_errno = errno;
        return Fault::unreadable;
    }
    if (S_ISDIR(info.st_mode))
        return Fault::folder;
    if (!S_ISREG(info.st_mode))
        return Fault::special;
    fcntl(m_fd, F_SETFL, fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
    m_size = static_cast<uint64_t>(info.st_size);
    return Fault::none;
}

RegularFile::Fault RegularFile::ReadAll(uint64_t most, std::string& bytes)
{
    if (m_size > most)
        return Fault::tooLarge;
    bytes.resize(static_cast<size_t>(m_size));
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = read(m_fd, &bytes[done], bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            m_errno = got < 0 ? errno : EIO;
            return Fault::unreadable;
        }
        done += static_cast<size_t>(got);
    }
    return Fault::none;
}

std::string RegularFile::ReadStart(size_t count)
{
    std::string start(count, '\0');
    ssize_t got = 0;
    do
        got = pread(m_fd, start.data(), count, 0);
    while (got < 0 && errno == EINTR);
    start.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return start;
}

int RegularFile::Release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

} // namespace afx
