// The window without the mouse: tab shortcuts from anywhere, Return in a
// page's lists runs its query, and the painted tab strip and the result
// labels as assistive technology sees them.

#include "app/load_step.h"
#include "ui/main_window.h"
#include "ui/tab_control.h"
#include "ui/tab_strip.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QTest>

using namespace vantelo;

class KeyboardAndAccessTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void shortcutsMoveThroughTabs_data();
    void shortcutsMoveThroughTabs();
    void returnInAListRunsTheQuery_data();
    void returnInAListRunsTheQuery();
    void stripListsEightPageTabs();
    void resultLabelsNameTheirDimension();

private:
    QString m_programDir;
    std::unique_ptr<data::Connection> m_connection;
    std::unique_ptr<ui::Form1> m_form;
};

void KeyboardAndAccessTest::initTestCase()
{
    m_programDir = qEnvironmentVariable("VANTELO_PROGRAM_DIR");
    if (!QFile::exists(m_programDir + QStringLiteral("/FLDATA.mdb")))
        QSKIP("the shipped data file has not been built");
}

void KeyboardAndAccessTest::init()
{
    m_connection = std::make_unique<data::Connection>();
    m_form = std::make_unique<ui::Form1>();
    app::loadForm1(*m_form, *m_connection, m_programDir);
    m_form->show();
    QApplication::setActiveWindow(m_form.get());
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void KeyboardAndAccessTest::cleanup()
{
    m_form.reset();
    m_connection.reset();
}

void KeyboardAndAccessTest::shortcutsMoveThroughTabs_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("expected");
    const int ctrl = Qt::ControlModifier;
    const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Ctrl+Tab on the strip") << "tabStrip" << int(Qt::Key_Tab) << ctrl << 6 << 7;
    QTest::newRow("Ctrl+Tab wraps round") << "tabStrip" << int(Qt::Key_Tab) << ctrl << 7 << 0;
    QTest::newRow("Ctrl+Shift+Tab in a list") << "Combo13" << int(Qt::Key_Backtab) << ctrlShift << 6 << 5;
    QTest::newRow("Ctrl+PgDn on a button") << "Command1" << int(Qt::Key_PageDown) << ctrl << 0 << 1;
    QTest::newRow("Ctrl+PgUp wraps round") << "Combo1" << int(Qt::Key_PageUp) << ctrl << 0 << 7;
    QTest::newRow("Ctrl+PgUp in an editable list") << "Combo8" << int(Qt::Key_PageUp) << ctrl << 3 << 2;
}

void KeyboardAndAccessTest::shortcutsMoveThroughTabs()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, start);
    QFETCH(int, expected);

    m_form->tabControl()->setCurrentTab(start);
    auto *target = m_form->findChild<QWidget *>(focus);
    target->setFocus();
    QVERIFY(target->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_form->tabControl()->currentTab(), expected);
}

void KeyboardAndAccessTest::returnInAListRunsTheQuery_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("outerDiameter"); // the page's 法兰外径D label
    QTest::newRow("Return in a pressure list") << 6 << "Combo13" << int(Qt::Key_Return) << "Label80";
    QTest::newRow("Enter in a diameter list") << 6 << "Combo14" << int(Qt::Key_Enter) << "Label80";
    QTest::newRow("Return in an editable list") << 3 << "Combo8" << int(Qt::Key_Return) << "Label43";
}

void KeyboardAndAccessTest::returnInAListRunsTheQuery()
{
    QFETCH(int, tab);
    QFETCH(QString, list);
    QFETCH(int, key);
    QFETCH(QString, outerDiameter);
    m_form->tabControl()->setCurrentTab(tab);
    auto *label = m_form->findChild<QLabel *>(outerDiameter);
    QCOMPARE(label->text(), QString());
    auto *target = m_form->findChild<QComboBox *>(list);
    target->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY(label->text().startsWith(QStringLiteral("Φ")));
    QVERIFY(!target->view()->isVisible());
}

void KeyboardAndAccessTest::stripListsEightPageTabs()
{
    auto *strip = m_form->tabControl()->tabStrip();
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(strip);
    QVERIFY(list != nullptr);
    QCOMPARE(list->role(), QAccessible::PageTabList);
    QCOMPARE(list->childCount(), 8);
    const QStringList names{"HG20593", "HG20594", "HG20595", "HG20596", "HG20616", "HG20617", "HG20618", "Tab 7"};
    for (int i = 0; i < 8; ++i) {
        QAccessibleInterface *tab = list->child(i);
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->text(QAccessible::Name), names.at(i));
        QCOMPARE(tab->state().selected, i == 6);
        QCOMPARE(list->indexOfChild(tab), i);
    }
    QAccessibleActionInterface *press = list->child(1)->actionInterface();
    QVERIFY(press != nullptr);
    press->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_form->tabControl()->currentTab(), 1);
    QVERIFY(list->child(1)->state().selected);
}

void KeyboardAndAccessTest::resultLabelsNameTheirDimension()
{
    auto *label = m_form->findChild<QWidget *>(QStringLiteral("Label81"));
    m_form->findChild<QWidget *>(QStringLiteral("Command7"))->setFocus();
    QTest::keyClick(m_form->findChild<QWidget *>(QStringLiteral("Combo14")), Qt::Key_Return);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("螺栓孔数量n / 螺栓孔直径L"));
    QVERIFY(accessible->text(QAccessible::Value).contains(QStringLiteral("-Φ")));
}

QTEST_MAIN(KeyboardAndAccessTest)
#include "test_keyboard_and_access.moc"
