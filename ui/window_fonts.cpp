#include "ui/window_fonts.h"

#ifdef Q_OS_WIN
#include "ui/bundled_fonts.h"

#include <QStringList>
#endif

namespace vantelo::ui {

QFont windowFont()
{
    QFont font(QStringLiteral("AR PL UMing CN"));
#ifdef Q_OS_WIN
    // SimSun, the face the window was drawn for, where Windows has it; the
    // bundled AR PL UMing, of the same Song design, where it has not.
    addBundledFonts();
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN")});
#endif
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    return font;
}

QFont tabCaptionFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
#ifdef Q_OS_WIN
    // Windows has Arial itself; the bundled Liberation Sans stands in.
    addBundledFonts();
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
#endif
    font.setPixelSize(14);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace vantelo::ui
