#pragma once

namespace vantelo::ui {

// Makes the fonts in fonts/ beside the program known to Qt, once. The Windows
// build ships the window's CJK and Latin faces there; elsewhere the folder is
// absent and nothing happens.
void addBundledFonts();

} // namespace vantelo::ui
