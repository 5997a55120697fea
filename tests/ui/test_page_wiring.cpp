// Each standard's page hands its page object the controls of the roles its
// record names, bound as the page is built; every row makes its control.
#include "ui/main_window.h"

#include "lookup/standards.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QtTest>

using namespace vantelo;

class TestPageWiring final : public QObject
{
    Q_OBJECT

private slots:
    void everyPageBindsEveryRole();
    void everyRowMakesOneControl();
};

namespace {

QString nameOf(const QObject *control)
{
    return control != nullptr ? control->objectName() : QStringLiteral("(none)");
}

QString nameOf(const ui::Caption *label)
{
    return nameOf(dynamic_cast<const QObject *>(label));
}

} // namespace

void TestPageWiring::everyPageBindsEveryRole()
{
    const ui::Form1 form;
    QCOMPARE(form.pages().size(), lookup::StandardRecords.size());
    for (const ui::PageHandles &page : form.pages()) {
        const lookup::StandardRecord &record = *page.standard;
        const auto named = [&record](lookup::ControlRole role) {
            const lookup::ControlRow *row = lookup::controlWith(record, role);
            return row != nullptr ? QString::fromLatin1(row->name) : QStringLiteral("(none)");
        };
        QCOMPARE(nameOf(page.pressureList), named(lookup::ControlRole::PressureList));
        QCOMPARE(nameOf(page.diameterList), named(lookup::ControlRole::DiameterList));
        QCOMPARE(nameOf(page.queryButton), named(lookup::ControlRole::QueryButton));
        QCOMPARE(nameOf(page.pressureValueLabel), named(lookup::ControlRole::PressureValue));
        QCOMPARE(int(page.resultLabels.size()), lookup::resultCount(record));
        for (std::size_t place = 0; place < page.resultLabels.size(); ++place)
            QCOMPARE(nameOf(page.resultLabels[place]), QString::fromLatin1(lookup::resultAt(record, int(place))->name));
    }
}

void TestPageWiring::everyRowMakesOneControl()
{
    const ui::Form1 form;
    for (const ui::PageHandles &page : form.pages()) {
        const QWidget *onPage = page.pressureList->parentWidget();
        for (const lookup::ControlRow &row : page.standard->page) {
            const auto made = onPage->findChildren<QWidget *>(QString::fromLatin1(row.name), Qt::FindDirectChildrenOnly);
            QVERIFY2(made.size() == 1, row.name);
        }
    }
}

QTEST_MAIN(TestPageWiring)
#include "test_page_wiring.moc"
