#include "flange_standard.h"

#include "standards.h"

namespace vantelo::lookup {

namespace {

const char *nameOf(const ControlRow *row)
{
    return row != nullptr ? row->name : nullptr;
}

FlangeStandard fromRecord(const StandardRecord &record, int tab)
{
    FlangeStandard standard{&record,
                            tab,
                            record.table,
                            nameOf(controlWith(record, ControlRole::PressureList)),
                            nameOf(controlWith(record, ControlRole::DiameterList)),
                            nameOf(controlWith(record, ControlRole::QueryButton)),
                            nameOf(controlWith(record, ControlRole::PressureValue)),
                            {record.mpaEntries.begin(), record.mpaEntries.end()},
                            record.classesListed,
                            {}};
    for (int i = 0; i < record.classesListed; ++i)
        standard.pressureEntries.push_back(PressureClasses[i].name);
    for (int place = 0; const ControlRow *row = resultAt(record, place); ++place)
        standard.bindings.push_back({row->name, row->source.pattern, row->source.firstColumn, row->source.secondColumn});
    return standard;
}

} // namespace

std::span<const FlangeStandard> flangeStandards()
{
    static const std::vector<FlangeStandard> standards = [] {
        std::vector<FlangeStandard> made;
        for (const StandardRecord &record : StandardRecords)
            made.push_back(fromRecord(record, int(made.size()) + 1));
        return made;
    }();
    return standards;
}

} // namespace vantelo::lookup
