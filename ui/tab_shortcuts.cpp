#include "ui/tab_shortcuts.h"

#include "ui/tab_control.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>

namespace vantelo::ui {
namespace {

void addStep(QWidget &window, TabControl &tabs, const char *name, int step, QList<QKeySequence> keys)
{
    auto *action = new QAction(&window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    QObject::connect(action, &QAction::triggered, &tabs, [&tabs, step] {
        const int count = tabs.tabCount();
        if (count > 0)
            tabs.setCurrentTab((tabs.currentTab() + step + count) % count);
    });
    window.addAction(action);
}

// Presses the button when Return or Enter reaches a list whose drop-down is closed.
class ReturnPressesButton final : public QObject
{
public:
    ReturnPressesButton(QAbstractButton *button, QObject *parent)
        : QObject(parent)
        , m_button(button)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        if (auto *list = qobject_cast<QComboBox *>(watched); list == nullptr || list->view()->isVisible())
            return false;
        m_button->click();
        return true;
    }

private:
    QAbstractButton *m_button;
};

} // namespace

void addTabShortcuts(QWidget &window, TabControl &tabs)
{
    // Shift turns Tab into Backtab, so Ctrl+Shift+Tab arrives as Ctrl+Shift+Backtab.
    addStep(window, tabs, "nextTabAction", 1,
            {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    addStep(window, tabs, "previousTabAction", -1,
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
             QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
}

void queryOnReturn(const QList<QWidget *> &stops)
{
    auto *button = stops.isEmpty() ? nullptr : qobject_cast<QAbstractButton *>(stops.last());
    if (button == nullptr)
        return;
    auto *filter = new ReturnPressesButton(button, button);
    for (QWidget *stop : stops) {
        if (qobject_cast<QComboBox *>(stop) != nullptr)
            stop->installEventFilter(filter);
    }
}

} // namespace vantelo::ui
