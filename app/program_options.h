#pragma once

#include <optional>

namespace vantelo::app {

// "--help" and "--version" (also "-h", "-v") answer on standard output and
// end the program as other Linux programs do, before any window or display
// is needed. Gives the exit status when such an option was given; nothing
// when the window is to start. Other arguments are left to the toolkit.
std::optional<int> answerInformationOptions(int argc, char *argv[]);

} // namespace vantelo::app
