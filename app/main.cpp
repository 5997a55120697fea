#include "load_step.h"
#include "module1.h"

#include "ui/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vantelo"));

    vantelo::ui::Form1 form1;
    vantelo::app::loadForm1(form1, vantelo::app::DbConnection(), QCoreApplication::applicationDirPath());
    form1.show();
    return application.exec();
}
