#include "ui/window_fonts.h"

namespace vantelo::ui {

QFont windowFont()
{
    QFont font(QStringLiteral("AR PL UMing CN"));
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    return font;
}

QFont tabCaptionFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace vantelo::ui
