#include "load_step.h"

#include "ui/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vantelo"));

    vantelo::ui::Form1 form1;
    vantelo::app::loadForm1(form1);
    form1.show();
    return application.exec();
}
