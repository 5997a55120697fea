#include "ui/identify_dialog.h"

#include "ui/unreadable_data_file.h"

#include "data/value_text.h"
#include "lookup/bolt_thread.h"
#include "lookup/pressure_texts.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vantelo::ui {

namespace {

enum CircleKind { BoltCircle, AdjacentHoles, OppositeHoles };

constexpr int kBoltsColumn = 5;

QLineEdit *measurementEdit(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QDoubleSpinBox *toleranceSpin(const char *name, double value, QWidget *parent)
{
    auto *spin = new QDoubleSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(0, 50);
    spin->setDecimals(1);
    spin->setSingleStep(0.5);
    spin->setValue(value);
    return spin;
}

// Empty means "not measured"; anything that is not a number is kept as NaN
// so that the measurements report it.
std::optional<double> numberIn(const QLineEdit *edit)
{
    const QString text = edit->text().trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : std::nan("");
}

QString problemText(lookup::MeasurementProblem problem)
{
    using P = lookup::MeasurementProblem;
    switch (problem) {
    case P::NothingMeasured:
        return QStringLiteral("请至少输入一项尺寸");
    case P::DistanceNeedsCount:
        return QStringLiteral("孔距需配合螺栓孔数量n");
    case P::OppositeNeedsEvenCount:
        return QStringLiteral("相对两孔需偶数个螺栓孔");
    case P::DistanceNeedsTwoHoles:
        return QStringLiteral("相邻两孔距需至少2个螺栓孔");
    case P::TooLarge:
    case P::ToleranceTooLarge:
        return QStringLiteral("尺寸过大，无法比较");
    case P::BoltCircleTwice:
    case P::NotPositive:
    case P::NegativeTolerance:
        break;
    }
    return QStringLiteral("尺寸须为正数");
}

QString pressureCaption(const lookup::IdentifiedFlange &flange)
{
    if (flange.american())
        return QStringLiteral("%1 (%2MPa)").arg(flange.pressure, flange.storedPressure);
    return QStringLiteral("PN%1").arg(flange.pressure);
}

QString numberCaption(const std::optional<double> &value)
{
    return value ? data::generalNumberText(*value) : QString();
}

QString deviationCaption(const lookup::IdentifiedFlange &flange)
{
    QStringList parts;
    const auto add = [&](const char *name, const std::optional<double> &deviation) {
        if (!deviation)
            return;
        // A measurement by rule or calliper is good to a tenth of a millimetre.
        const double tenths = std::round(*deviation * 10) / 10;
        parts << QLatin1String(name) + (tenths > 0 ? QStringLiteral("+") : QString())
                + data::generalNumberText(tenths == 0 ? 0.0 : tenths);
    };
    add("D", flange.outsideDeviation);
    add("K", flange.boltCircleDeviation);
    add("L", flange.boltHoleDeviation);
    return parts.join(QLatin1Char(' '));
}

} // namespace

IdentifyDialog::IdentifyDialog(const data::Connection &connection, QWidget *parent)
    : QDialog(parent)
    , m_connection(connection)
    , m_outside(measurementEdit("outsideDiameterEdit", this))
    , m_circleKind(new QComboBox(this))
    , m_circle(measurementEdit("boltCircleEdit", this))
    , m_count(measurementEdit("boltCountEdit", this))
    , m_hole(measurementEdit("boltHoleEdit", this))
    , m_lengthTolerance(toleranceSpin("lengthToleranceSpin", lookup::DefaultLengthTolerance, this))
    , m_holeTolerance(toleranceSpin("holeToleranceSpin", lookup::DefaultHoleTolerance, this))
    , m_results(new QTableWidget(0, 7, this))
    , m_type(new QComboBox(this))
    , m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("identifyDialog"));
    setWindowTitle(QStringLiteral("按实测尺寸识别"));
    m_circleKind->setObjectName(QStringLiteral("boltCircleKind"));
    m_circleKind->addItems({QStringLiteral("螺孔中圆直径K"), QStringLiteral("相邻两孔中心距"),
                            QStringLiteral("相对两孔中心距")});
    m_results->setObjectName(QStringLiteral("resultsTable"));
    m_results->setHorizontalHeaderLabels({QStringLiteral("标准"), QStringLiteral("压力"), QStringLiteral("DN"),
                                          QStringLiteral("D / K"), QStringLiteral("n-L"),
                                          QString::fromUtf8(lookup::BoltThreadColumn), QStringLiteral("偏差")});
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->verticalHeader()->hide();
    m_results->horizontalHeader()->setStretchLastSection(true);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_type->setObjectName(QStringLiteral("flangeTypeList"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("法兰外径D (mm)"), m_outside);
    form->addRow(m_circleKind, m_circle);
    form->addRow(QStringLiteral("螺栓孔数量n"), m_count);
    form->addRow(QStringLiteral("螺栓孔直径L (mm)"), m_hole);
    form->addRow(QStringLiteral("D、K 允差 (mm)"), m_lengthTolerance);
    form->addRow(QStringLiteral("L 允差 (mm)"), m_holeTolerance);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_results, 1);
    auto *typeRow = new QFormLayout;
    typeRow->addRow(QStringLiteral("法兰类型"), m_type);
    layout->addLayout(typeRow);
    layout->addWidget(m_status);
    resize(680, 460);
    // The measurements in the order they are taken, the choices after them.
    const QList<QWidget *> order{m_outside, m_circle, m_count, m_hole, m_lengthTolerance,
                                 m_holeTolerance, m_circleKind, m_results, m_type};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (QLineEdit *edit : {m_outside, m_circle, m_count, m_hole})
        connect(edit, &QLineEdit::textChanged, this, &IdentifyDialog::refresh);
    connect(m_circleKind, &QComboBox::currentIndexChanged, this, &IdentifyDialog::refresh);
    for (QDoubleSpinBox *spin : {m_lengthTolerance, m_holeTolerance})
        connect(spin, &QDoubleSpinBox::valueChanged, this, &IdentifyDialog::refresh);
    // Enter and double-click both activate a row.
    connect(m_results, &QTableWidget::activated, this, [this](const QModelIndex &index) { choose(index.row()); });
    // The types follow the row; moving within a row keeps the type picked.
    connect(m_results, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (row != previousRow)
            offerTypes();
    });
    refresh();
}

lookup::Measurements IdentifyDialog::measurements() const
{
    lookup::Measurements m;
    m.outsideDiameter = numberIn(m_outside);
    m.boltHole = numberIn(m_hole);
    const std::optional<double> count = numberIn(m_count);
    if (count)
        m.boltCount = lookup::boltCountOf(*count).value_or(0); // 0 is reported as not positive
    const std::optional<double> circle = numberIn(m_circle);
    switch (m_circleKind->currentIndex()) {
    case AdjacentHoles:
        m.adjacentHoleDistance = circle;
        break;
    case OppositeHoles:
        m.oppositeHoleDistance = circle;
        break;
    default:
        m.boltCircle = circle;
    }
    m.lengthTolerance = m_lengthTolerance->value();
    m.holeTolerance = m_holeTolerance->value();
    return m;
}

void IdentifyDialog::refresh()
{
    const lookup::Measurements measured = measurements();
    const std::optional<lookup::MeasurementProblem> problem = lookup::measurementProblem(measured);
    lookup::Identification identification;
    if (!problem && m_connection.isOpen())
        identification = lookup::identify(measured, m_connection);
    m_found = std::move(identification.flanges);

    m_results->setRowCount(int(m_found.size()));
    bool anyBolts = false;
    for (int row = 0; row < int(m_found.size()); ++row) {
        const lookup::IdentifiedFlange &flange = m_found[std::size_t(row)];
        const std::optional<lookup::BoltThread> bolts = lookup::boltThread(
            m_connection, *flange.standards.front(), flange.storedPressure, data::generalNumberText(flange.diameter));
        anyBolts = anyBolts || bolts;
        QStringList standards;
        for (const lookup::StandardRecord *standard : flange.standards)
            standards << QString::fromUtf8(standard->caption);
        const QStringList cells = {
            standards.join(QLatin1Char(' ')),
            pressureCaption(flange),
            data::generalNumberText(flange.diameter),
            QStringLiteral("Φ%1 / Φ%2").arg(numberCaption(flange.outsideDiameter), numberCaption(flange.boltCircle)),
            QStringLiteral("%1-Φ%2").arg(flange.boltCount ? QString::number(*flange.boltCount) : QString(),
                                         numberCaption(flange.boltHole)),
            bolts ? bolts->countText() : QString(),
            deviationCaption(flange)};
        for (int column = 0; column < cells.size(); ++column)
            m_results->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    // A data file without bolts shows the results as it always has.
    m_results->setColumnHidden(kBoltsColumn, !anyBolts);
    m_results->resizeColumnsToContents();
    offerTypes();
    // "No match" from a file that could not be read would be a wrong answer.
    const bool unreadable = !m_connection.isOpen() || !identification.unreadTables.isEmpty();
    m_status->setText(unreadable        ? unreadableDataFileText()
                          : problem         ? problemText(*problem)
                          : m_found.empty() ? QStringLiteral("没有相符的法兰")
                                            : QStringLiteral("相符 %1 项,双击或回车查看").arg(m_found.size()));
}

void IdentifyDialog::setPreferredStandard(const lookup::StandardRecord *standard)
{
    m_preferred = standard;
    offerTypes();
}

void IdentifyDialog::offerTypes()
{
    const int row = m_results->currentRow() >= 0 ? m_results->currentRow() : 0;
    m_type->clear();
    if (row >= int(m_found.size()))
        return;
    std::vector<const lookup::StandardRecord *> standards = m_found[std::size_t(row)].standards;
    std::ranges::stable_partition(standards, [this](const auto *standard) { return standard == m_preferred; });
    for (const lookup::StandardRecord *standard : standards)
        m_type->addItem(QString::fromUtf8(standard->caption), QVariant::fromValue(quintptr(standard)));
    m_type->setEnabled(standards.size() > 1);
}

void IdentifyDialog::choose(int row)
{
    if (row < 0 || row >= int(m_found.size()))
        return;
    if (m_results->currentRow() != row)
        m_results->setCurrentCell(row, 0);
    const lookup::IdentifiedFlange &flange = m_found[std::size_t(row)];
    const auto *picked = reinterpret_cast<const lookup::StandardRecord *>(m_type->currentData().value<quintptr>());
    const bool held = std::ranges::find(flange.standards, picked) != flange.standards.end();
    emit flangeChosen(held ? *picked : *flange.standards.front(), flange.pressure,
                      data::generalNumberText(flange.diameter));
}

} // namespace vantelo::ui
