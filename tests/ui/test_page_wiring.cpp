// Each standard's page hands its page object exactly the controls the
// standard names; a name the page lacks is reported, never skipped.
#include "ui/main_window.h"
#include "ui/page_builder.h"
#include "ui/tab_pages.h"

#include <QComboBox>
#include <QtTest>

#include <vector>

using namespace vantelo;

class TestPageWiring final : public QObject
{
    Q_OBJECT

private slots:
    void everyPageBindsEveryNamedControl();
    void missingOrForeignControlIsReported();
};

void TestPageWiring::everyPageBindsEveryNamedControl()
{
    const ui::Form1 form;
    QCOMPARE(form.pages().size(), lookup::flangeStandards().size());
    for (const ui::PageHandles &page : form.pages()) {
        QVERIFY2(page.unbound.isEmpty(), qPrintable(page.unbound.join(u' ')));
        QCOMPARE(page.pressureList->objectName(), QString::fromLatin1(page.standard->pressureList));
        QCOMPARE(page.diameterList->objectName(), QString::fromLatin1(page.standard->diameterList));
        QCOMPARE(page.pressureValueLabel != nullptr, page.standard->pressureValueLabel != nullptr);
        QCOMPARE(page.resultLabels.size(), page.standard->bindings.size());
        for (std::size_t i = 0; i < page.resultLabels.size(); ++i) {
            const auto *label = dynamic_cast<const QWidget *>(page.resultLabels[i]);
            QVERIFY(label != nullptr);
            QCOMPARE(label->objectName(), QString::fromLatin1(page.standard->bindings[i].label));
        }
    }
}

void TestPageWiring::missingOrForeignControlIsReported()
{
    // HG20618's record with one label that exists nowhere, one of another
    // tab's labels, and a list named where a label belongs.
    lookup::FlangeStandard standard = lookup::flangeStandards()[6];
    std::vector<lookup::ResultBinding> bindings(standard.bindings.begin(), standard.bindings.end());
    bindings[0].label = "Label999";
    bindings[1].label = "Label2";
    bindings[2].label = "Combo14";
    standard.bindings = bindings;
    QWidget page;
    const ui::BuiltPage built = ui::buildPage(&page, ui::tabPages()[6].controls, &standard);
    QCOMPARE(built.handles.unbound, (QStringList{"Label999", "Label2", "Combo14"}));
    QCOMPARE(built.handles.resultLabels[0], nullptr);
    QVERIFY(built.handles.resultLabels[3] != nullptr);
}

QTEST_MAIN(TestPageWiring)
#include "test_page_wiring.moc"
