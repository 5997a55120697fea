#include "consistency_rules.h"

#include "number_text.h"

#include <cmath>
#include <map>
#include <tuple>

namespace vantelo::tools {

namespace {

// Values carry at most a few decimals; this keeps 29.7 < 90 - 60.3 false.
constexpr double kTolerance = 1e-9;

std::string rowName(const SourceTable &table, const SourceRow &row)
{
    return table.layout->name + " PN " + row.pressure + " DN " + std::to_string(row.diameter) + " (line " +
           std::to_string(row.line) + "): ";
}

std::string named(std::string_view column, const SourceCell &cell)
{
    return std::string(column) + ' ' + cell.text;
}

class RowChecker final
{
public:
    RowChecker(const SourceTable &table, const SourceRow &row, std::vector<std::string> &errors)
        : m_table(table), m_row(row), m_errors(errors)
    {
    }

    void lessThan(std::string_view smaller, std::string_view larger)
    {
        const SourceCell &a = m_table.cell(m_row, smaller);
        const SourceCell &b = m_table.cell(m_row, larger);
        if (a.present && b.present && !(a.number < b.number - kTolerance))
            fail(named(smaller, a) + " must be less than " + named(larger, b));
    }

    void run()
    {
        const TableLayout &layout = *m_table.layout;
        for (std::size_t i = 0; i < layout.columns.size(); ++i) {
            if (layout.columns[i].kind == ColumnKind::Length && m_row.cells[i].present && m_row.cells[i].number <= 0)
                fail(named(layout.columns[i].name, m_row.cells[i]) + " must be greater than 0");
        }
        lessThan(column::BoltCircleK, column::OutsideD);
        for (const std::string &bore : layout.bores)
            lessThan(bore, column::BoltCircleK);
        for (const HubAndBore &hub : layout.hubs) {
            lessThan(hub.hub, column::BoltCircleK);
            clearOfBoltHoles(hub.hub);
            if (!hub.bore.empty())
                lessThan(hub.bore, hub.hub);
        }
        for (const PipeFit &fit : layout.pipeFits) {
            for (const std::string *around : {&fit.bore, &fit.hub}) {
                if (!around->empty())
                    lessThan(fit.pipe, *around);
            }
        }
        for (const auto *series : {&layout.pipeSeriesA, &layout.pipeSeriesB}) {
            for (const std::string &pipe : *series)
                lessThan(pipe, column::BoltCircleK);
        }
        if (layout.hasHeight)
            lessThan(column::ThicknessC, column::HeightH);
        checkBoltCount();
        checkBoltHole();
    }

private:
    void fail(const std::string &reason) { m_errors.push_back(rowName(m_table, m_row) + reason); }

    void checkBoltCount()
    {
        const SourceCell &n = m_table.cell(m_row, column::BoltCountN);
        if (n.present && std::fmod(n.number, 4.0) != 0)
            fail(named(column::BoltCountN, n) + " must be a multiple of 4");
    }

    // The hub must leave the inner half of every bolt hole free: hub < K - L/2.
    void clearOfBoltHoles(std::string_view hubColumn)
    {
        const SourceCell &hub = m_table.cell(m_row, hubColumn);
        const SourceCell &k = m_table.cell(m_row, column::BoltCircleK);
        const SourceCell &l = m_table.cell(m_row, column::BoltHoleL);
        if (hub.present && k.present && l.present && !(hub.number < k.number - l.number / 2 - kTolerance)) {
            fail(named(hubColumn, hub) + " must be less than " + std::string(column::BoltCircleK) + " - " +
                 std::string(column::BoltHoleL) + "/2 = " + k.text + " - " + l.text + "/2");
        }
    }

    void checkBoltHole()
    {
        const SourceCell &l = m_table.cell(m_row, column::BoltHoleL);
        const SourceCell &d = m_table.cell(m_row, column::OutsideD);
        const SourceCell &k = m_table.cell(m_row, column::BoltCircleK);
        if (l.present && d.present && k.present && !(l.number < d.number - k.number - kTolerance)) {
            fail(named(column::BoltHoleL, l) + " must be less than " + std::string(column::OutsideD) + " - " +
                 std::string(column::BoltCircleK) + " = " + d.text + " - " + k.text);
        }
    }

    const SourceTable &m_table;
    const SourceRow &m_row;
    std::vector<std::string> &m_errors;
};

// The first value seen for a key, and where it was seen.
struct SharedValue
{
    const SourceTable *table;
    const SourceRow *row;
    const SourceCell *cell;
    std::string_view column;
};

// Key: system, pressure (empty where the value belongs to the diameter alone),
// diameter and the shared quantity.
using SharedKey = std::tuple<FlangeSystem, std::string, long long, std::string>;

void requireSame(std::map<SharedKey, SharedValue> &seen, const SourceTable &table, const SourceRow &row,
                 std::string_view column, SharedKey key, std::vector<std::string> &errors)
{
    const SourceCell &cell = table.cell(row, column);
    if (!cell.present)
        return;
    const auto [found, inserted] = seen.try_emplace(std::move(key), SharedValue{&table, &row, &cell, column});
    const SharedValue &first = found->second;
    if (!inserted && first.cell->number != cell.number) {
        errors.push_back(rowName(table, row) + named(column, cell) + " differs from " + named(first.column, *first.cell) + " in " +
                         first.table->layout->name + " PN " + first.row->pressure + " DN " +
                         std::to_string(first.row->diameter));
    }
}

} // namespace

void checkTableRules(const SourceTable &table, std::vector<std::string> &errors)
{
    std::map<std::pair<std::string, long long>, int> firstLine;
    for (const SourceRow &row : table.rows) {
        RowChecker(table, row, errors).run();
        const auto [found, inserted] = firstLine.try_emplace({row.pressure, row.diameter}, row.line);
        if (!inserted)
            errors.push_back(rowName(table, row) + "the pair " + std::string(column::Pressure) + '/' +
                             std::string(column::Diameter) + " already appears on line " +
                             std::to_string(found->second));
    }
}

void checkSharedDimensions(const std::vector<SourceTable> &tables, std::vector<std::string> &errors)
{
    std::map<SharedKey, SharedValue> seen;
    for (const SourceTable &table : tables) {
        const TableLayout &layout = *table.layout;
        for (const SourceRow &row : table.rows) {
            for (std::string_view column : {column::OutsideD, column::BoltCircleK, column::BoltCountN, column::BoltHoleL}) {
                requireSame(seen, table, row, column, {layout.system, row.pressure, row.diameter, std::string(column)},
                            errors);
            }
            // The pipe OD follows from the diameter alone; its column name differs by table.
            for (const std::string &pipe : layout.pipeSeriesA)
                requireSame(seen, table, row, pipe, {layout.system, "", row.diameter, "pipe series A"}, errors);
            for (const std::string &pipe : layout.pipeSeriesB)
                requireSame(seen, table, row, pipe, {layout.system, "", row.diameter, "pipe series B"}, errors);
        }
    }
}

} // namespace vantelo::tools
