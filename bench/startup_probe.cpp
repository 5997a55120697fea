// The program's own start-up, as its main() does it: the window built, the
// data file beside this executable opened (its check remembered, as for the
// program), all seven lists filled, the window shown.
#include "probe_report.h"

#include "app/load_step.h"
#include "data/passed_checks.h"
#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    vantelo::data::rememberPassedChecksInUserCache();
    vantelo::ui::Form1 form1;
    vantelo::app::loadForm1(form1);
    return reportWhenShown(form1);
}
