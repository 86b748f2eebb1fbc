#include "Launcher.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace nvkit {
namespace {

bool IsExecutable(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

} // namespace

CString FindOnPath(const CString& program)
{
    const std::string& name = program.Bytes();
    if (name.empty())
        return CString();
    if (name.find('/') != std::string::npos)
        return IsExecutable(name) ? program : CString();
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t end = folders.find(':', start);
        std::string folder = folders.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (folder.empty())
            folder = ".";
        const std::string candidate = folder + "/" + name;
        if (IsExecutable(candidate))
            return CString(candidate);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return CString();
}

namespace {

// The middle process's word on the program it watched: it failed soon.
constexpr int kEndedInFailure = 2;

// In the middle process: whether the program ended in failure within
// watchMs. Polled, as the middle process has nothing else to do.
bool EndedInFailure(pid_t program, int watchMs)
{
    constexpr int kPollMs = 20;
    for (int waited = 0; waited < watchMs; waited += kPollMs) {
        int status = 0;
        if (waitpid(program, &status, WNOHANG) == program)
            return !WIFEXITED(status) || WEXITSTATUS(status) != 0;
        usleep(kPollMs * 1000);
    }
    return false;
}

} // namespace

// A double fork: the middle process exits (at once, or once it has watched
// the program) and is reaped here, so the program itself belongs to init.
// A close-on-exec pipe carries the errno of a failed exec back.
bool StartDetached(const CString& program, const CString& name, const CString& argument, int watchMs)
{
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return false;
    char* const argv[] = {const_cast<char*>(static_cast<const char*>(name)),
                          const_cast<char*>(static_cast<const char*>(argument)), nullptr};
    const char* file = program;
    const pid_t middle = fork();
    if (middle == 0) {
        close(report[0]);
        const pid_t program = fork();
        if (program == 0) {
            execvp(file, argv);
            const int error = errno;
            (void)!write(report[1], &error, sizeof error);
            _exit(127);
        }
        if (program < 0)
            _exit(1);
        _exit(EndedInFailure(program, watchMs) ? kEndedInFailure : 0);
    }
    close(report[1]);
    if (middle < 0) {
        close(report[0]);
        return false;
    }
    int status = 0;
    waitpid(middle, &status, 0);
    int error = 0;
    const ssize_t got = read(report[0], &error, sizeof error);
    close(report[0]);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

} // namespace nvkit
