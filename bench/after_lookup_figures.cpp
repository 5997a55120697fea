#include "after_lookup_figures.h"

#include "timing.h"

#include "app/load_step.h"
#include "ui/after_lookup/after_lookup_actions.h"
#include "ui/after_lookup/drawing_export.h"
#include "ui/after_lookup/drawing_sheet.h"
#include "ui/after_lookup/page_after_lookup.h"
#include "ui/after_lookup/whole_table_dialog.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace vantelo::bench {
namespace {

// The window on the data file in directory, with a flange queried on the opening page.
struct QueriedWindow
{
    explicit QueriedWindow(const QString &directory)
    {
        app::loadForm1(form1, connection, directory);
        form1.show();
        if (auto *button = form1.findChild<QAbstractButton *>(QStringLiteral("Command7")))
            button->click();
        actions = form1.findChild<ui::AfterLookupActions *>();
    }

    data::Connection connection;
    ui::Form1 form1;
    ui::AfterLookupActions *actions = nullptr;
};

} // namespace

double medianWholeTableMs(const QString &directory, int runs)
{
    QueriedWindow window(directory);
    if (window.actions == nullptr || window.actions->currentPage() == nullptr)
        return -1;
    return medianMsOf(runs, [&](int) {
        std::unique_ptr<ui::WholeTableDialog> dialog(window.actions->currentPage()->makeWholeTableDialog(nullptr));
        dialog->show();
        QApplication::processEvents();
    });
}

WholeTableFigures wholeTableFigures(const QString &directory, int runs, int leastRows)
{
    QueriedWindow window(directory);
    if (window.actions == nullptr || window.actions->currentPage() == nullptr)
        return {};
    // A timer that the window's event loop serves every few milliseconds while
    // it is free: the longest gap between two of its turns is how long a user's
    // input would have waited.
    QTimer tick;
    tick.setInterval(5);
    QElapsedTimer sinceTick;
    double longest = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    bool complete = true;
    const double ms = medianMsOf(runs, [&](int) {
        tick.start();
        sinceTick.start();
        std::unique_ptr<ui::WholeTableDialog> dialog(window.actions->currentPage()->makeWholeTableDialog(nullptr));
        complete = complete && dialog != nullptr && dialog->view()->model()->rowCount() >= leastRows;
        if (dialog != nullptr)
            dialog->show();
        QApplication::processEvents();
        longest = std::max(longest, sinceTick.nsecsElapsed() / 1e6);
        tick.stop();
    });
    return complete ? WholeTableFigures{ms, longest} : WholeTableFigures{};
}

double medianExportMs(const QString &directory, const QString &suffix, int runs)
{
    QueriedWindow window(directory);
    QTemporaryDir scratch;
    if (window.actions == nullptr || window.actions->currentPage() == nullptr || !scratch.isValid())
        return -1;
    const QString path = scratch.filePath(QStringLiteral("sheet.") + suffix);
    bool ok = true;
    const double ms = medianMsOf(runs, [&](int) {
        ok = ui::exportDrawing(window.actions->currentPage()->sheet(), path, nullptr) && ok;
    });
    return ok ? ms : -1;
}

} // namespace vantelo::bench
