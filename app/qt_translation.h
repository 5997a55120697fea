#pragma once

class QCoreApplication;

namespace vantelo::app {

// Installs Qt's own Simplified Chinese translation (file, print and message
// dialogs, standard buttons, text field menus) whatever the locale, since
// the whole window is Chinese. False when the translation is not installed;
// Qt's dialogs then stay in English.
bool installQtChinese(QCoreApplication &application);

} // namespace vantelo::app
