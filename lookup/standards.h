#pragma once

// The seven standards, one record each, tabs 1 to 7 in order.

#include "lookup/pressures.h"
#include "lookup/standards/hg20593.h"
#include "lookup/standards/hg20594.h"
#include "lookup/standards/hg20595.h"
#include "lookup/standards/hg20596.h"
#include "lookup/standards/hg20616.h"
#include "lookup/standards/hg20617.h"
#include "lookup/standards/hg20618.h"

#include <algorithm>
#include <array>

namespace vantelo::lookup {

inline constexpr std::array<StandardRecord, 7> StandardRecords{
    standards::Hg20593, standards::Hg20594, standards::Hg20595, standards::Hg20596,
    standards::Hg20616, standards::Hg20617, standards::Hg20618,
};

// A standard's tab, 1 to 7; 0 for a record that is none of the seven.
constexpr int tabOf(const StandardRecord &record)
{
    for (std::size_t i = 0; i < StandardRecords.size(); ++i) {
        if (&StandardRecords[i] == &record)
            return int(i) + 1;
    }
    return 0;
}

namespace detail {

constexpr int count(const StandardRecord &record, ControlRole role)
{
    int n = 0;
    for (const ControlRow &row : record.page)
        n += row.role == role ? 1 : 0;
    return n;
}

constexpr bool isPaired(CaptionPattern pattern)
{
    return pattern == CaptionPattern::DiameterPair || pattern == CaptionPattern::BoltHoles;
}

// The kind of control a role needs: the page builder binds each control by
// its role, so a row of another kind would leave its role without a control.
constexpr bool fitsItsRole(const ControlRow &row)
{
    switch (row.role) {
    case ControlRole::PressureList:
    case ControlRole::DiameterList: return row.kind == ControlKind::List || row.kind == ControlKind::EditableList;
    case ControlRole::QueryButton: return row.kind == ControlKind::Button;
    case ControlRole::Drawing: return row.kind == ControlKind::Picture;
    case ControlRole::Mark: return row.kind == ControlKind::Line;
    case ControlRole::Title:
    case ControlRole::FieldCaption:
    case ControlRole::Note:
    case ControlRole::PressureValue:
    case ControlRole::Result: break;
    }
    return row.kind == ControlKind::Label;
}

// Every control of the kind its role needs; one pressure list, diameter
// list and query button each; a pressure-value label exactly on the pages
// that list classes; results numbered 0 to n-1, each reading the columns its
// pattern needs.
constexpr bool isComplete(const StandardRecord &record)
{
    if (!std::ranges::all_of(record.page, fitsItsRole))
        return false;
    if (count(record, ControlRole::PressureList) != 1 || count(record, ControlRole::DiameterList) != 1
        || count(record, ControlRole::QueryButton) != 1
        || count(record, ControlRole::PressureValue) != (record.classesListed > 0 ? 1 : 0)
        || (record.classesListed > 0) == !record.mpaEntries.empty()
        || record.classesListed > int(std::size(PressureClasses)))
        return false;
    const int results = count(record, ControlRole::Result);
    for (int place = 0; place < results; ++place) {
        int holders = 0;
        for (const ControlRow &row : record.page) {
            if (row.role != ControlRole::Result || row.source.place != place)
                continue;
            ++holders;
            if (row.source.firstColumn == nullptr
                || (row.source.secondColumn != nullptr) != isPaired(row.source.pattern))
                return false;
        }
        if (holders != 1)
            return false;
    }
    return true;
}

} // namespace detail

static_assert(std::ranges::all_of(StandardRecords, detail::isComplete), "a standard's page is incomplete");

} // namespace vantelo::lookup
