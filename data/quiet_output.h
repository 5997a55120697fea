#pragma once

namespace vantelo::data {

// Points the process's standard output and standard error at /dev/null for
// its lifetime, so that what the Access reader prints about odd files
// reaches no terminal. The program has one thread and writes no log, so
// nothing of its own is lost.
class QuietOutput final
{
public:
    QuietOutput();
    ~QuietOutput();
    QuietOutput(const QuietOutput &) = delete;
    QuietOutput &operator=(const QuietOutput &) = delete;

private:
    int m_savedOutput = -1;
    int m_savedError = -1;
};

} // namespace vantelo::data
