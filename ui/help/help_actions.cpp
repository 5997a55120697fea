#include "ui/help/help_actions.h"

#include "ui/help/about_dialog.h"
#include "ui/help/user_guide_window.h"
#include "ui/window_command.h"

#include <QAction>
#include <QWidget>

namespace vantelo::ui {
namespace {

// One window of each kind, brought to the front when asked for again.
template <typename Window, typename Make>
void showOnce(QWidget &owner, Make make)
{
    auto *window = owner.findChild<Window *>();
    if (window == nullptr)
        window = make();
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void addHelpActions(QWidget &window, const data::Connection &connection)
{
    QAction *help = addWindowCommand(window, "helpAction", QStringLiteral("使用说明"), QKeySequence::HelpContents);
    QObject::connect(help, &QAction::triggered, &window,
                     [&window] { showOnce<UserGuideWindow>(window, [&window] { return new UserGuideWindow(&window); }); });
    QAction *about = addWindowCommand(window, "aboutAction", QStringLiteral("关于 Vantelo…"), {});
    QObject::connect(about, &QAction::triggered, &window, [&window, &connection] {
        showOnce<AboutDialog>(window, [&] { return new AboutDialog(connection, &window); });
    });
}

} // namespace vantelo::ui
