#pragma once

#include "pipe_io.h"

#include <QDeadlineTimer>

#include <chrono>
#include <functional>
#include <optional>

#include <sys/types.h>

namespace vantelo::data {

// A forked copy of this process that runs one piece of work and sends its
// answer down a pipe. The child's standard output and error go to /dev/null,
// it ends with _exit (no exit handlers, no destructors of the parent's
// objects) once the work returns, and it ends itself should it outlive
// lifetime by a second, so that even a parent killed while waiting leaves no
// busy child behind.
struct StartedChild
{
    pid_t pid = -1;
    FileDescriptor answer; // the read end of the child's pipe
};

using ChildWork = std::function<void(int answerDescriptor)>;

// std::nullopt when no pipe or process can be had.
std::optional<StartedChild> startChild(const ChildWork &work, std::chrono::milliseconds lifetime);

enum class ChildEnd {
    Succeeded,   // exit status 0
    Failed,      // another exit status
    Crashed,     // ended by a signal of its own
    Killed,      // still running at the deadline: killed
};

// Waits until deadline for the child to end, kills it then if it has not,
// and reaps it in every case, so that no zombie is left.
ChildEnd finishChild(pid_t pid, const QDeadlineTimer &deadline);

} // namespace vantelo::data
