// The floor: a bare Qt window with one label, started and shown.
#include "probe_report.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Vantelo"));
    return reportWhenShown(label);
}
