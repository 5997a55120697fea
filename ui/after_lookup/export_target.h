#pragma once

#include <QString>

#include <optional>

namespace vantelo::ui {

// The file an export to path would really write: every symbolic link on the
// way resolved, the name itself included, even when its target does not
// exist yet. std::nullopt, with error set to a message for the user, when
// that file lies in or beneath the program's folder (the data file among
// them) or its
// own name does not end in .svg, .pdf or .png.
std::optional<QString> exportTarget(const QString &path, const QString &programFolder, QString *error);

} // namespace vantelo::ui
