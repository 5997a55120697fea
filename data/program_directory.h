#pragma once

#include <QString>

namespace vantelo::data {

// The folder holding the running program's executable, symbolic links
// resolved, as QCoreApplication::applicationDirPath gives it; it needs no
// application object, so that the command line can do without one.
QString programDirectory();

} // namespace vantelo::data
