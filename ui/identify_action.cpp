#include "ui/identify_action.h"

#include "ui/identify_dialog.h"
#include "ui/standard_page.h"
#include "ui/tab_control.h"

#include <QAction>
#include <QWidget>

#include <algorithm>

namespace vantelo::ui {

QAction *addIdentifyAction(QWidget &window, std::vector<StandardPage *> pages,
                           const data::Connection &connection)
{
    auto *action = new QAction(QStringLiteral("按实测尺寸识别…"), &window);
    action->setObjectName(QStringLiteral("identifyAction"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    QObject::connect(action, &QAction::triggered, &window, [&window, pages, &connection] {
        auto *dialog = window.findChild<IdentifyDialog *>();
        if (dialog == nullptr) {
            dialog = new IdentifyDialog(connection, &window);
            QObject::connect(dialog, &IdentifyDialog::flangeChosen, &window,
                             [&window, pages](const lookup::FlangeStandard &standard, const QString &pressure,
                                              const QString &diameter) {
                                 goToFlange(window, pages, standard, pressure, diameter);
                             });
        }
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
    return action;
}

void goToFlange(QWidget &window, const std::vector<StandardPage *> &pages, const lookup::FlangeStandard &standard,
                const QString &pressure, const QString &diameter)
{
    const auto page = std::find_if(pages.begin(), pages.end(),
                                   [&](const StandardPage *candidate) { return &candidate->standard() == &standard; });
    if (page == pages.end())
        return;
    if (auto *tabs = window.findChild<TabControl *>())
        tabs->setCurrentTab(standard.tab - 1);
    const auto &entries = standard.pressureEntries;
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const char *listed) { return pressure == QLatin1String(listed); });
    if (entry != entries.end())
        (*page)->pick(int(entry - entries.begin()), diameter);
}

} // namespace vantelo::ui
