#include "InUse.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace nvkit {
namespace {

// The first call decides what the process claims, as the mutex made by the
// first call does. Unloading the library lets the name go, as closing the
// mutex handle at unload does.
struct Claim {
    int fd = -1;
    bool held = false;
    // A mutex without a name (NULL or "") is the process's own: no other
    // process can hold it, so it is never in use.
    bool unnamed = false;
    Claim() = default;
    Claim(const Claim&) = delete;
    Claim& operator=(const Claim&) = delete;
    ~Claim()
    {
        if (fd >= 0)
            close(fd);
    }
};

Claim g_claim;

std::string LockPath(const char* name)
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder = (runtime && *runtime) ? runtime : "/tmp";
    std::string safe = name;
    for (char& ch : safe)
        if (ch == '/')
            ch = '_';
    return folder + "/nvkit-" + safe + ".lock";
}

// Waits at most 10 milliseconds for the lock, as the probe's wait does.
bool TryClaim(int fd)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(10);
    while (true) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace

// A lock file that cannot be made tells nothing about other processes, so
// the name is reported free rather than blocking the caller for good.
bool NameInUse(const char* name)
{
    if (g_claim.fd < 0 && !g_claim.unnamed) {
        g_claim.unnamed = name == nullptr || *name == '\0';
        if (g_claim.unnamed)
            return false;
        g_claim.fd = open(LockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (g_claim.fd < 0)
            return false;
    }
    if (g_claim.unnamed)
        return false;
    if (!g_claim.held)
        g_claim.held = TryClaim(g_claim.fd);
    return !g_claim.held;
}

} // namespace nvkit
