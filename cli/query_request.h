#pragma once

#include "lookup/identify.h"
#include "lookup/pressure_texts.h"
#include "lookup/standards.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace vantelo::cli {

// One checked request of the command line.
struct Request
{
    enum class Command { ListStandards, ListPressures, ListDiameters, Show, Identify, Rate, Materials };

    Command command = Command::ListStandards;
    const lookup::StandardRecord *standard = nullptr;
    lookup::PressureTexts pressure;
    QString diameter; // the DN in its general number form
    lookup::Measurements measured;
    QString material;                  // rate: a grade or a group; materials: the text searched
    double temperature = 0;            // rate: °C
    std::optional<double> pressureMpa; // rate: the design pressure, gauge

    bool needsData() const;
};

// The commands, their arguments and what each answers, for the help text;
// their names alone, separated by commas.
QString commandsHelp();
QString commandNames();

// The request the positional arguments (and --tolerance) make, or a one-line
// reason naming the bad argument and what would have been valid.
std::variant<Request, QString> parseRequest(const QStringList &arguments, const std::optional<QString> &tolerance);

} // namespace vantelo::cli
