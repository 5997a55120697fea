#include "load_step.h"
#include "program_options.h"
#include "qt_translation.h"

#include "version.h"
#include "data/passed_checks.h"
#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = vantelo::app::answerInformationOptions(argc, argv))
        return *status;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vantelo"));
    QApplication::setApplicationVersion(QString::fromLatin1(vantelo::kVersion));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(vantelo::kApplicationId));
    vantelo::app::installQtChinese(application);

    vantelo::data::rememberPassedChecksInUserCache();
    vantelo::ui::Form1 form1;
    vantelo::app::loadForm1(form1);
    form1.show();
    return application.exec();
}
