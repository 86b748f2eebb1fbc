#pragma once
// A file a user or a bank names may be anything: a folder, a pipe that
// never ends, a device, a file of gigabytes. Every reader of such a file
// opens it here: only an ordinary file is opened, without blocking on what
// is not one, and it is read whole only up to a bound.

#include <cstdint>
#include <string>

namespace afx {

class RegularFile {
public:
    enum class Fault { none, unreadable, folder, special, tooLarge };

    RegularFile() = default;
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // Opens the path when it names an ordinary file; reads then block as
    // usual. For unreadable, Errno() says why.
    Fault Open(const char* path);
    int Errno() const { return m_errno; }
    uint64_t Size() const { return m_size; }

    // The whole file, when it is no larger than `most` bytes.
    Fault ReadAll(uint64_t most, std::string& bytes);
    // Up to `count` bytes from the start; fewer when the file is shorter.
    std::string ReadStart(size_t count);

    // Hands the descriptor to a reader that will close it.
    int Release();

private:
    int m_fd = -1;
    int m_errno = 0;
    uint64_t m_size = 0;
};

} // namespace afx
