#pragma once

#include "lookup/found_flange.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace vantelo::ui {

// What an empty cell or label means.
QString unknownValueText();

// The standard and table a reference's document names, "EN 1092-1" or
// "HG/T 20592-2009 表8.2.1-4"; empty when it names no standard.
QString shortSourceName(const QString &document);

// "来源：" with each document of the reference ("<id>: <document>" lines) by
// its short name and id, one per line, or the source itself when the
// reference names none; then "可信度：<grade>" with the grade ("high" ...
// "low") in Chinese; an ungraded value has no grade line.
QString originText(const QString &source, const QString &reference, const QString &confidence);

// Where one column's value of the shown flange comes from, as one line of
// text, or nothing when the data file does not say.
using OriginOf = std::function<std::optional<QString>(const QString &column)>;

// The bolts' paragraph of the bolt-hole label's tooltip: "螺栓规格：8-M16"
// and where the thread comes from.
QString boltsToolTip(const lookup::BoltThread &bolts);

// A result label's tooltip: for each column it shows, the column's name and
// either where its value comes from or that it is unknown.
QString labelToolTip(const QStringList &columns, const lookup::FoundFlange &flange, const OriginOf &originOf);

} // namespace vantelo::ui
