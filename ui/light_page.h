#pragma once

class QWidget;

namespace vantelo::ui {

// Gives the tab control and its pages the light colours they were drawn in,
// whatever the desktop's theme: white result labels with black text, black lines on the white
// drawing, black captions on a light button face. A dark theme would
// otherwise turn the result labels into black boxes and the lines white.
void keepLightLook(QWidget &tabControl);

} // namespace vantelo::ui
