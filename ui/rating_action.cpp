#include "ui/rating_action.h"

#include "ui/rating_dialog.h"
#include "ui/standard_page.h"
#include "ui/tab_control.h"
#include "ui/window_command.h"

#include "lookup/pressure_texts.h"

#include <QAction>
#include <QComboBox>
#include <QWidget>

#include <algorithm>

namespace vantelo::ui {

namespace {

StandardPage *pageOnTab(const std::vector<StandardPage *> &pages, int index)
{
    const auto page = std::find_if(pages.begin(), pages.end(),
                                   [index](const StandardPage *p) { return lookup::tabOf(p->standard()) - 1 == index; });
    return page != pages.end() ? *page : nullptr;
}

StandardPage *pageInFront(QWidget &window, const std::vector<StandardPage *> &pages)
{
    const auto *tabs = window.findChild<TabControl *>();
    return tabs != nullptr ? pageOnTab(pages, tabs->currentTab()) : nullptr;
}

} // namespace

QAction *addRatingAction(QWidget &window, std::vector<StandardPage *> pages, const data::Connection &connection)
{
    QAction *action = addWindowCommand(window, "ratingAction", QStringLiteral("按设计条件选型…"),
                                       QKeySequence(Qt::CTRL | Qt::Key_R));
    QObject::connect(action, &QAction::triggered, &window, [&window, pages, &connection] {
        auto *dialog = window.findChild<RatingDialog *>();
        if (dialog == nullptr) {
            dialog = new RatingDialog(connection, &window);
            QObject::connect(dialog, &RatingDialog::classChosen, &window,
                             [&window, pages](const lookup::StandardRecord &standard, const QString &classText) {
                                 goToClass(window, pages, standard, classText);
                             });
        }
        const StandardPage *front = pageInFront(window, pages);
        dialog->setOpenedFrom(front != nullptr ? &front->standard() : nullptr);
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
    return action;
}

bool goToClass(QWidget &window, const std::vector<StandardPage *> &pages, const lookup::StandardRecord &standard,
               const QString &classText)
{
    StandardPage *page = pageOnTab(pages, lookup::tabOf(standard) - 1);
    const qsizetype entry = lookup::listedPressures(standard).indexOf(classText);
    if (page == nullptr || entry < 0 || page->handles().pressureList == nullptr)
        return false;
    const StandardPage *front = pageInFront(window, pages);
    const QString diameter = front != nullptr && front->handles().diameterList != nullptr
                                 ? front->handles().diameterList->currentText()
                                 : QString();
    if (auto *tabs = window.findChild<TabControl *>())
        tabs->setCurrentTab(lookup::tabOf(standard) - 1);
    if (!selectEntry(*page->handles().pressureList, int(entry)))
        return false;
    if (QComboBox *list = page->handles().diameterList) {
        if (const int kept = list->findText(diameter); kept >= 0)
            list->setCurrentIndex(kept);
    }
    return page->runQuery();
}

} // namespace vantelo::ui
