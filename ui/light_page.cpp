#include "ui/light_page.h"

#include <QPalette>
#include <QWidget>

namespace vantelo::ui {

void keepLightLook(QWidget &tabControl)
{
    // The classic button face; the palette derives its shades from it.
    QPalette light(QColor(0xF0, 0xF0, 0xF0));
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Light})
        light.setColor(role, Qt::white);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        light.setColor(role, Qt::black);
    tabControl.setPalette(light);
}

} // namespace vantelo::ui
