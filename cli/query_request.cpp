#include "query_request.h"

#include "data/value_text.h"

#include <cmath>

namespace vantelo::cli {

namespace {

using lookup::StandardRecord;
using lookup::PressureTexts;
using Command = Request::Command;

struct UsageError
{
    QString message;
};

template <typename T>
using Parsed = std::variant<T, UsageError>;

std::optional<double> finiteNumber(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Parsed<const StandardRecord *> standardNamed(const QString &name)
{
    QStringList valid;
    for (const StandardRecord &standard : lookup::StandardRecords) {
        const QString known = QString::fromUtf8(standard.caption);
        if (name.compare(known, Qt::CaseInsensitive) == 0 || name == known.mid(2))
            return &standard;
        valid << known;
    }
    return UsageError{QStringLiteral("unknown standard '%1' (valid: %2)").arg(name, valid.join(QStringLiteral(", ")))};
}

// "300#", "300" or "5.0" on the American pages; "1.6" or any text of the same
// number on the European ones.
bool names(const PressureTexts &entry, const QString &text)
{
    if (text == entry.listed || text == entry.stored)
        return true;
    QString bare = entry.listed;
    if (bare.endsWith(QLatin1Char('#')) && text == bare.chopped(1))
        return true;
    const std::optional<double> number = finiteNumber(text);
    return number && *number == entry.stored.toDouble();
}

Parsed<PressureTexts> pressureNamed(const StandardRecord &standard, const QString &text)
{
    QStringList valid;
    for (const PressureTexts &entry : lookup::pressureTexts(standard)) {
        if (names(entry, text))
            return entry;
        valid << (entry.listed == entry.stored ? entry.listed : entry.listed + QStringLiteral(" (") + entry.stored
                                                                  + QStringLiteral(" MPa)"));
    }
    return UsageError{QStringLiteral("%1 offers no pressure '%2' (valid: %3)")
                          .arg(QString::fromUtf8(standard.caption), text, valid.join(QStringLiteral(", ")))};
}

Parsed<QString> diameterNamed(const QString &text)
{
    const std::optional<double> number = finiteNumber(text);
    if (!number || *number <= 0)
        return UsageError{QStringLiteral("DN '%1' is not a positive number (e.g. 100)").arg(text)};
    return data::generalNumberText(*number);
}

const QString MeasurementKeys = QStringLiteral("D=, K=, n=, L=, s= (adjacent holes), o= (opposite holes)");

std::optional<QString> setMeasurement(lookup::Measurements &m, const QString &argument)
{
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    const QString key = argument.left(equals).trimmed().toLower();
    const std::optional<double> value = finiteNumber(argument.mid(equals + 1));
    const QString bad = QStringLiteral("bad measurement '%1': ").arg(argument);
    if (equals < 0)
        return bad + QStringLiteral("give NAME=MM with NAME one of ") + MeasurementKeys;
    std::optional<double> *slot = key == QLatin1String("d") ? &m.outsideDiameter
        : key == QLatin1String("k")                         ? &m.boltCircle
        : key == QLatin1String("l")                         ? &m.boltHole
        : key == QLatin1String("s")                         ? &m.adjacentHoleDistance
        : key == QLatin1String("o")                         ? &m.oppositeHoleDistance
                                                            : nullptr;
    if (slot == nullptr && key != QLatin1String("n"))
        return bad + QStringLiteral("unknown name (valid: ") + MeasurementKeys + QLatin1Char(')');
    if ((slot != nullptr && slot->has_value()) || (slot == nullptr && m.boltCount))
        return bad + QStringLiteral("given twice");
    if (!value || !lookup::isMeasurableLength(*value))
        return bad + QStringLiteral("give a positive number");
    if (slot != nullptr) {
        *slot = *value;
        return std::nullopt;
    }
    m.boltCount = lookup::boltCountOf(*value);
    if (!m.boltCount)
        return bad + QStringLiteral("the hole count n is a whole number");
    return std::nullopt;
}

// The distance whose worked-out bolt circle is too large to compare.
QString distanceTooLargeText(const QStringList &measurements)
{
    for (const QString &argument : measurements) {
        const QString key = argument.left(argument.indexOf(QLatin1Char('='))).trimmed().toLower();
        if (key == QLatin1String("s") || key == QLatin1String("o"))
            return QStringLiteral("bad measurement '%1': the bolt circle it gives is too large").arg(argument);
    }
    return {};
}

QString problemText(lookup::MeasurementProblem problem)
{
    using P = lookup::MeasurementProblem;
    switch (problem) {
    case P::NothingMeasured:
        return QStringLiteral("identify: no measurement given (give at least one of ") + MeasurementKeys
            + QLatin1Char(')');
    case P::BoltCircleTwice:
        return QStringLiteral("identify: give only one of K=, s= and o=");
    case P::DistanceNeedsCount:
        return QStringLiteral("identify: s= and o= need the hole count n=");
    case P::DistanceNeedsTwoHoles:
        return QStringLiteral("identify: s= (adjacent holes) needs a hole count n= of 2 or more");
    case P::OppositeNeedsEvenCount:
        return QStringLiteral("identify: o= (opposite holes) needs an even hole count n=");
    case P::NotPositive:
    case P::NegativeTolerance:
    case P::TooLarge:
    case P::ToleranceTooLarge:
        break;
    }
    return QStringLiteral("identify: measurements and tolerance must be positive numbers");
}

std::variant<Request, QString> identifyRequest(const QStringList &measurements, const std::optional<QString> &tolerance)
{
    Request request;
    request.command = Command::Identify;
    for (const QString &argument : measurements) {
        if (const std::optional<QString> error = setMeasurement(request.measured, argument))
            return *error;
    }
    if (tolerance) {
        const std::optional<double> mm = finiteNumber(*tolerance);
        if (!mm || !lookup::isTolerance(*mm))
            return QStringLiteral("bad --tolerance '%1': give a number of millimetres, 0 or more").arg(*tolerance);
        request.measured.lengthTolerance = *mm;
        request.measured.holeTolerance = *mm;
    }
    if (const std::optional<lookup::MeasurementProblem> problem = lookup::measurementProblem(request.measured)) {
        if (*problem == lookup::MeasurementProblem::TooLarge)
            return distanceTooLargeText(measurements);
        if (*problem == lookup::MeasurementProblem::ToleranceTooLarge)
            return QStringLiteral("bad --tolerance '%1': too large").arg(tolerance.value_or(QString()));
        return problemText(*problem);
    }
    return request;
}

std::variant<Request, QString> rateRequest(const QStringList &arguments)
{
    Request request;
    request.command = Command::Rate;
    request.material = arguments[0];
    const std::optional<double> temperature = finiteNumber(arguments[1]);
    if (!temperature)
        return QStringLiteral("bad temperature '%1': give degrees Celsius (e.g. 300)").arg(arguments[1]);
    request.temperature = *temperature;
    if (arguments.size() == 3) {
        const std::optional<double> mpa = finiteNumber(arguments[2]);
        if (!mpa || *mpa < 0)
            return QStringLiteral("bad pressure '%1': give MPa gauge, 0 or more (e.g. 2.0)").arg(arguments[2]);
        request.pressureMpa = *mpa;
    }
    return request;
}

std::variant<Request, QString> materialsRequest(const QStringList &arguments)
{
    Request request;
    request.command = Command::Materials;
    request.material = arguments.value(0);
    return request;
}

// list and show name a standard, a pressure and a DN, as far as they go.
std::variant<Request, QString> flangeRequest(const QStringList &arguments, bool isList)
{
    Request request;
    request.command = isList ? Command::ListStandards : Command::Show;
    if (arguments.isEmpty())
        return request;
    const Parsed<const StandardRecord *> standard = standardNamed(arguments[0]);
    if (const UsageError *error = std::get_if<UsageError>(&standard))
        return error->message;
    request.standard = std::get<const StandardRecord *>(standard);
    request.command = isList ? Command::ListPressures : Command::Show;
    if (arguments.size() == 1)
        return request;
    const Parsed<PressureTexts> pressure = pressureNamed(*request.standard, arguments[1]);
    if (const UsageError *error = std::get_if<UsageError>(&pressure))
        return error->message;
    request.pressure = std::get<PressureTexts>(pressure);
    if (isList) {
        request.command = Command::ListDiameters;
        return request;
    }
    const Parsed<QString> diameter = diameterNamed(arguments[2]);
    if (const UsageError *error = std::get_if<UsageError>(&diameter))
        return error->message;
    request.diameter = std::get<QString>(diameter);
    return request;
}

// One command: its arguments, what it answers (for the help) and how its
// arguments are read once their number is right.
struct CommandSpec
{
    const char *name;
    const char *arguments;
    const char *summary;
    int fewest;
    int most; // -1: any number
    std::variant<Request, QString> (*parse)(const QStringList &arguments, const std::optional<QString> &tolerance);
};

const CommandSpec Commands[] = {
    {"list", "[STANDARD [PRESSURE]]",
     "the standards; a standard's pressures (American: classes with their MPa); the DNs at a pressure", 0, 2,
     [](const QStringList &a, const std::optional<QString> &) { return flangeRequest(a, true); }},
    {"show", "STANDARD PRESSURE DN", "the row, one dimension per line, with the bolt thread", 3, 3,
     [](const QStringList &a, const std::optional<QString> &) { return flangeRequest(a, false); }},
    {"identify", "D=MM K=MM n=N L=MM",
     "the flanges whose connection fits (any of them, at least one); s=MM or o=MM give K as the centre "
     "distance of two adjacent or two opposite holes (with n=)",
     0, -1, identifyRequest},
    {"rate", "MATERIAL TEMPERATURE [PRESSURE]",
     "the rating of each class at TEMPERATURE (°C); with PRESSURE (MPa, gauge) the lowest class that holds first",
     2, 3, [](const QStringList &a, const std::optional<QString> &) { return rateRequest(a); }},
    {"materials", "[TEXT]", "the rated materials whose grade contains TEXT, or those of the group TEXT", 0, 1,
     [](const QStringList &a, const std::optional<QString> &) { return materialsRequest(a); }},
};

// Words of text on lines of at most width columns, each after indent blanks.
QString wrapped(const QString &text, qsizetype indent, qsizetype width)
{
    QString out, line;
    for (const QString &word : text.split(QLatin1Char(' '))) {
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > width) {
            out += QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return out + QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
}

} // namespace

bool Request::needsData() const
{
    return command != Command::ListStandards && command != Command::ListPressures;
}

QString commandNames()
{
    QStringList names;
    for (const CommandSpec &command : Commands)
        names << QLatin1String(command.name);
    return names.join(QStringLiteral(", "));
}

QString commandsHelp()
{
    constexpr qsizetype SummaryColumn = 31;
    QString help = QStringLiteral("Commands:\n");
    for (const CommandSpec &command : Commands) {
        const QString usage = QStringLiteral("  %1 %2").arg(QLatin1String(command.name), QLatin1String(command.arguments));
        const QString summary = wrapped(QString::fromUtf8(command.summary), SummaryColumn, 80);
        help += usage.size() + 1 < SummaryColumn ? usage.leftJustified(SummaryColumn) + summary.mid(SummaryColumn)
                                                 : usage + QLatin1Char('\n') + summary;
    }
    return help;
}

std::variant<Request, QString> parseRequest(const QStringList &arguments, const std::optional<QString> &tolerance)
{
    const QString name = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    for (const CommandSpec &command : Commands) {
        if (name != QLatin1String(command.name))
            continue;
        if (tolerance && command.parse != identifyRequest)
            return QStringLiteral("--tolerance belongs to identify only");
        if (rest.size() < command.fewest || (command.most >= 0 && rest.size() > command.most))
            return QStringLiteral("%1 takes %2").arg(name, QLatin1String(command.arguments));
        return command.parse(rest, tolerance);
    }
    return name.isEmpty() ? QStringLiteral("no command given (valid: %1; see --help)").arg(commandNames())
                          : QStringLiteral("unknown command '%1' (valid: %2)").arg(name, commandNames());
}

} // namespace vantelo::cli
