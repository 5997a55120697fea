#pragma once

#include <QFont>

namespace vantelo::ui {

// The window's text font: 12-px Chinese characters, 6-px ASCII characters and
// 12-px lines, which every auto-size width and wrap point of the pages relies
// on. Named explicitly because a request for the usual Windows face silently
// falls back to an unrelated font here; sized in pixels, not points.
QFont windowFont();

// The tab captions: Arial 10.5 pt, served by its metric-compatible face
// (10.5 pt at 96 dpi is 14 px).
QFont tabCaptionFont();

} // namespace vantelo::ui
