// The program's own start-up: the window built, the data file beside this
// executable opened, all seven lists filled, the window shown.
#include "probe_report.h"

#include "app/load_step.h"
#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    vantelo::ui::Form1 form1;
    vantelo::app::loadForm1(form1);
    return reportWhenShown(form1);
}
