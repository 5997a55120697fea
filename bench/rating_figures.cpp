#include "rating_figures.h"

#include "timing.h"

#include "lookup/rating.h"
#include "ui/rating_dialog.h"

#include <QApplication>
#include <QLineEdit>

#include <memory>

namespace vantelo::bench {

namespace {

bool openFile(data::Connection &connection, const QString &dataFile)
{
    connection.setConnectionString(QStringLiteral("Data Source=") + dataFile);
    return connection.open();
}

} // namespace

double medianRatingMs(const QString &dataFile, int runs)
{
    data::Connection connection;
    if (!openFile(connection, dataFile))
        return -1;
    const lookup::RatingTables tables = lookup::RatingTables::read(connection);
    bool ok = true;
    const double ms = medianMsOf(runs, [&](int run) {
        const std::optional<lookup::RatingSubject> subject = tables.resolve(QStringLiteral("A105"));
        ok = subject && !lookup::rate(*subject->group, 38 + run % 500, 2.0).classes.empty() && ok;
    });
    return ok ? ms : -1;
}

double medianRatingDialogMs(const QString &dataFile, int runs)
{
    data::Connection connection;
    if (!openFile(connection, dataFile))
        return -1;
    return medianMsOf(runs, [&](int) {
        auto dialog = std::make_unique<ui::RatingDialog>(connection);
        dialog->findChild<QLineEdit *>(QStringLiteral("materialEdit"))->setText(QStringLiteral("A105"));
        dialog->findChild<QLineEdit *>(QStringLiteral("temperatureEdit"))->setText(QStringLiteral("300"));
        dialog->findChild<QLineEdit *>(QStringLiteral("pressureEdit"))->setText(QStringLiteral("2.0"));
        dialog->show();
        QApplication::processEvents();
    });
}

} // namespace vantelo::bench
