#pragma once

// The pressures of lookup/pressures.h as the window and the command line
// write them.

#include "lookup/pressures.h"

#include <QString>
#include <QStringList>

#include <optional>

#include <vector>

namespace vantelo::lookup {

// A pressure entry of a page as listed and as stored.
struct PressureTexts
{
    QString listed;
    QString stored;
};

std::vector<PressureTexts> pressureTexts(const StandardRecord &record);
QStringList listedPressures(const StandardRecord &record);
std::optional<QString> classPressure(const StandardRecord &record, const QString &classText);
QString storedPressure(const StandardRecord &record, const QString &text);
QString listedPressure(const StandardRecord &record, const QString &stored);

// "Class" on the American pages, "PN" on the European ones: how a pressure is named.
QString pressureKind(const StandardRecord &record);

} // namespace vantelo::lookup
