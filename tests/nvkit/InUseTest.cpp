#include "NvkitFixture.h"
#include "RunCommand.h"

#include <csignal>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A probe process that calls InUse and keeps running until stopped.
class Holder {
public:
    explicit Holder(const std::string& name)
    {
        int toChild[2];
        int fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            dup2(toChild[0], 0);
            dup2(fromChild[1], 1);
            close(toChild[1]);
            close(fromChild[0]);
            execl(NVKIT_PROBE, "nvkit_probe", "inuse", name.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(toChild[0]);
        close(fromChild[1]);
        m_input = toChild[1];
        char answer[4] = "";
        const ssize_t got = read(fromChild[0], answer, sizeof answer - 1);
        close(fromChild[0]);
        result = got > 0 ? answer[0] - '0' : -1;
    }
    ~Holder() { Stop(); }
    void Stop()
    {
        if (m_pid <= 0)
            return;
        close(m_input);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
    void Kill()
    {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
        close(m_input);
        m_pid = -1;
    }

    int result = -1;

private:
    pid_t m_pid = -1;
    int m_input = -1;
};

} // namespace

TEST(InUse, TheFirstProcessHoldsTheNameForItsLife)
{
    const std::string name = "quillo-test-" + std::to_string(getpid());
    Holder first(name);
    EXPECT_EQ(first.result, 0);
    {
        Holder second(name);
        EXPECT_EQ(second.result, 1);
    }
    first.Kill(); // a crash leaves nothing taken
    Holder third(name);
    EXPECT_EQ(third.result, 0);
    Holder fourth(name);
    EXPECT_EQ(fourth.result, 1);
}

// Unloading the library lets the name go, so a process that loads it again
// finds the name free; no name at all is never in use.
TEST(InUse, TheNameGoesWithTheLibraryAndNoNameIsNeverInUse)
{
    const std::string name = "quillo-reload-" + std::to_string(getpid());
    const std::string command = std::string(NVKIT_PROBE) + " reload " + NVKIT_LIBRARY + " " + name;
    EXPECT_EQ(RunCommand(command).output, "0 0\n");

    Holder unnamed("");
    EXPECT_EQ(unnamed.result, 0);
    Holder again("");
    EXPECT_EQ(again.result, 0);
}
