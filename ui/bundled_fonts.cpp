#include "ui/bundled_fonts.h"

#include "data/program_directory.h"

#include <QDir>
#include <QFontDatabase>

namespace vantelo::ui {

void addBundledFonts()
{
    static const bool added = [] {
        const QDir fonts(vantelo::data::programDirectory() + QStringLiteral("/fonts"));
        const QStringList files = fonts.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.ttc")}, QDir::Files);
        for (const QString &file : files)
            QFontDatabase::addApplicationFont(fonts.filePath(file));
        return true;
    }();
    Q_UNUSED(added);
}

} // namespace vantelo::ui
