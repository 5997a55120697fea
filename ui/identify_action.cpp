#include "ui/identify_action.h"

#include "ui/identify_dialog.h"
#include "ui/standard_page.h"
#include "ui/tab_control.h"
#include "ui/window_command.h"

#include "lookup/pressure_texts.h"

#include <QAction>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace vantelo::ui {
namespace {

// Beside the window, not over it, so that the page the dialog fills stays in
// sight: right of it where the screen has room, else left of it.
void placeBeside(QWidget &dialog, const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    const QScreen *screen = window.screen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
    constexpr int kGap = 8;
    QPoint at(frame.right() + kGap, frame.top());
    if (room.isValid() && at.x() + dialog.width() > room.right()) {
        const int left = frame.left() - kGap - dialog.frameGeometry().width();
        at.setX(left >= room.left() ? left : std::max(room.left(), room.right() - dialog.width()));
    }
    if (room.isValid())
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - dialog.height())));
    dialog.move(at);
}

} // namespace

QAction *addIdentifyAction(QWidget &window, std::vector<StandardPage *> pages,
                           const data::Connection &connection)
{
    QAction *action = addWindowCommand(window, "identifyAction", QStringLiteral("按实测尺寸识别…"),
                                       QKeySequence(Qt::CTRL | Qt::Key_F));
    QObject::connect(action, &QAction::triggered, &window, [&window, pages, &connection] {
        auto *dialog = window.findChild<IdentifyDialog *>();
        const bool first = dialog == nullptr;
        if (first) {
            dialog = new IdentifyDialog(connection, &window);
            QObject::connect(dialog, &IdentifyDialog::flangeChosen, &window,
                             [&window, pages](const lookup::StandardRecord &standard, const QString &pressure,
                                              const QString &diameter) {
                                 goToFlange(window, pages, standard, pressure, diameter);
                             });
        }
        const int current = [&window] {
            const auto *tabs = window.findChild<TabControl *>();
            return tabs != nullptr ? tabs->currentTab() : -1;
        }();
        const auto page = std::ranges::find_if(pages, [current](const StandardPage *candidate) {
            return lookup::tabOf(candidate->standard()) - 1 == current;
        });
        dialog->setPreferredStandard(page != pages.end() ? &(*page)->standard() : nullptr);
        if (first)
            placeBeside(*dialog, window);
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
    return action;
}

void goToFlange(QWidget &window, const std::vector<StandardPage *> &pages, const lookup::StandardRecord &standard,
                const QString &pressure, const QString &diameter)
{
    const auto page = std::find_if(pages.begin(), pages.end(),
                                   [&](const StandardPage *candidate) { return &candidate->standard() == &standard; });
    if (page == pages.end())
        return;
    if (auto *tabs = window.findChild<TabControl *>())
        tabs->setCurrentTab(lookup::tabOf(standard) - 1);
    if (const qsizetype entry = lookup::listedPressures(standard).indexOf(pressure); entry >= 0)
        (*page)->pick(int(entry), diameter);
}

} // namespace vantelo::ui
