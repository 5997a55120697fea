#pragma once

#include <QString>

namespace vantelo::ui {

// The folder of the last drawing exported or printed to a file, kept between
// runs; empty before the first. It is the program's only stored setting.
QString rememberedExportFolder();

// Keeps the folder holding filePath for the next export or print.
void rememberExportFolder(const QString &filePath);

} // namespace vantelo::ui
