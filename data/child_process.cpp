#include "child_process.h"

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace vantelo::data {

namespace {

constexpr int ChildExitCode = 0;
constexpr int ChildFailureCode = 1;

void discardStandardOutput()
{
    const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (devNull < 0)
        return;
    ::dup2(devNull, STDOUT_FILENO);
    ::dup2(devNull, STDERR_FILENO);
    ::close(devNull);
}

// A crash in the child ends it at once, whatever handlers the parent set up
// (a test framework's would print a stack trace first), and leaves no core
// file in the working directory, which may be the program's.
void crashPlainly()
{
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    for (const int crash : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGSYS})
        std::signal(crash, SIG_DFL);
}

[[noreturn]] void runChild(const ChildWork &work, FileDescriptor readEnd, FileDescriptor writeEnd,
                           std::chrono::milliseconds lifetime)
{
    readEnd.close();
    discardStandardOutput();
    crashPlainly();
    std::signal(SIGALRM, SIG_DFL);
    std::signal(SIGPIPE, SIG_DFL);
    ::alarm(unsigned(std::chrono::ceil<std::chrono::seconds>(lifetime).count()) + 1);
    try {
        work(writeEnd.get());
    } catch (...) {
        // Never let an exception carry the child back into the parent's code.
        ::_exit(ChildFailureCode);
    }
    ::_exit(ChildExitCode);
}

// Returns the end of a child that has ended, or std::nullopt while it runs.
std::optional<ChildEnd> reap(pid_t pid, int options)
{
    int status = 0;
    pid_t reaped = -1;
    do
        reaped = ::waitpid(pid, &status, options);
    while (reaped < 0 && errno == EINTR);
    if (reaped == 0)
        return std::nullopt;
    if (reaped < 0) // not our child any more: nothing is known of how it ended
        return ChildEnd::Failed;
    if (WIFSIGNALED(status))
        return ChildEnd::Crashed;
    return WIFEXITED(status) && WEXITSTATUS(status) == ChildExitCode ? ChildEnd::Succeeded : ChildEnd::Failed;
}

void sleepFor(long nanoseconds)
{
    const timespec interval{0, nanoseconds};
    ::nanosleep(&interval, nullptr);
}

} // namespace

std::optional<StartedChild> startChild(const ChildWork &work, std::chrono::milliseconds lifetime)
{
    int ends[2] = {-1, -1};
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return std::nullopt;
    FileDescriptor readEnd(ends[0]);
    FileDescriptor writeEnd(ends[1]);

    const pid_t pid = ::fork();
    if (pid < 0)
        return std::nullopt;
    if (pid == 0)
        runChild(work, std::move(readEnd), std::move(writeEnd), lifetime);
    return StartedChild{pid, std::move(readEnd)};
}

ChildEnd finishChild(pid_t pid, const QDeadlineTimer &deadline)
{
    // A child that has sent its answer is at its _exit: the first looks
    // usually find it ended, and the pauses grow so as not to spin.
    long wait = 100'000;
    for (;;) {
        if (const std::optional<ChildEnd> end = reap(pid, WNOHANG))
            return *end;
        if (deadline.hasExpired())
            break;
        sleepFor(wait);
        wait = qMin(wait * 2, 10'000'000L);
    }
    ::kill(pid, SIGKILL);
    const std::optional<ChildEnd> end = reap(pid, 0);
    return end && *end != ChildEnd::Crashed ? *end : ChildEnd::Killed;
}

} // namespace vantelo::data
