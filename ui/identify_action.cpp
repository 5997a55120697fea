#include "ui/identify_action.h"

#include "ui/identify_dialog.h"
#include "ui/tab_control.h"

#include "lookup/page_controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QWidget>

namespace vantelo::ui {

namespace {

bool pick(QWidget &window, const char *listName, const QString &entry)
{
    QComboBox *list = window.findChild<QComboBox *>(QLatin1String(listName));
    return list != nullptr && lookup::selectEntry(*list, list->findText(entry, Qt::MatchExactly));
}

} // namespace

QAction *addIdentifyAction(QWidget &window, const data::Connection &connection)
{
    auto *action = new QAction(QStringLiteral("按实测尺寸识别…"), &window);
    action->setObjectName(QStringLiteral("identifyAction"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    QObject::connect(action, &QAction::triggered, &window, [&window, &connection] {
        auto *dialog = window.findChild<IdentifyDialog *>();
        if (dialog == nullptr) {
            dialog = new IdentifyDialog(connection, &window);
            QObject::connect(dialog, &IdentifyDialog::flangeChosen, &window,
                             [&window](const lookup::FlangeStandard &standard, const QString &pressure,
                                       const QString &diameter) { goToFlange(window, standard, pressure, diameter); });
        }
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
    return action;
}

void goToFlange(QWidget &window, const lookup::FlangeStandard &standard, const QString &pressure,
                const QString &diameter)
{
    if (auto *tabs = window.findChild<TabControl *>())
        tabs->setCurrentTab(standard.tab - 1);
    if (!pick(window, standard.pressureList, pressure) || !pick(window, standard.diameterList, diameter))
        return;
    if (auto *button = window.findChild<QAbstractButton *>(QLatin1String(standard.queryButton)))
        button->click();
}

} // namespace vantelo::ui
