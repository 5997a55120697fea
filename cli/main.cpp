// vantelo-query: the flange lookup for scripts and terminals.
#include "output_table.h"
#include "query_commands.h"
#include "query_request.h"
#include "standard_streams.h"

#include "version.h"

#include "data/program_directory.h"
#include "data/passed_checks.h"
#include "data/shared_connection.h"
#include "data/value_text.h"
#include "lookup/identify.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <algorithm>


using namespace vantelo;

namespace {

QString description()
{
    return QStringLiteral("Looks up the standard dimensions of HG steel pipe flanges in the data file.\n\n")
        + cli::commandsHelp()
        + QStringLiteral(
               "\nSTANDARD is e.g. HG20593 or 20593; an American PRESSURE is e.g. 300#, 300 or 5.0.\n"
               "MATERIAL is an ASTM grade (e.g. A105, \"A216 Gr. WCB\") or a material group (e.g. 1.1).\n"
               "Exit status: 0 found, 1 nothing found (rate: no class holds), 2 bad usage,\n"
               "unreadable data file or an answer that could not be written.");
}

int fail(const QString &message)
{
    cli::writeMessage(message);
    return cli::BadUsage;
}

// Everything the program writes on stdout ends here.
int answered(const QByteArray &bytes, int status)
{
    QString reason;
    if (!cli::writeAnswer(bytes) || !cli::answerWritten(&reason))
        return fail(QStringLiteral("cannot write the answer: ") + (reason.isEmpty() ? QStringLiteral("write failed") : reason));
    return status;
}

// The last --data value as the command line gave its bytes (a path need not
// be UTF-8); options end at "--".
QByteArray dataArgument(int argc, char *argv[])
{
    QByteArray value;
    for (int i = 1; i < argc && qstrcmp(argv[i], "--") != 0; ++i) {
        if (qstrcmp(argv[i], "--data") == 0 && i + 1 < argc)
            value = argv[++i];
        else if (qstrncmp(argv[i], "--data=", 7) == 0)
            value = argv[i] + 7;
    }
    return value;
}

// A lookup runs without an application object, whose set-up would cost more
// than the lookup itself; only the help text needs one, for the program name.
int printHelp(const QCommandLineParser &parser, int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    return answered(parser.helpText().toLocal8Bit(), cli::Found);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!cli::standardOutputOpen())
        return fail(QStringLiteral("cannot write the answer: standard output is closed"));
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption format({QStringLiteral("f"), QStringLiteral("format")},
                                    QStringLiteral("Output as text (default), csv or json."), QStringLiteral("FORMAT"),
                                    QStringLiteral("text"));
    const QCommandLineOption dataFile(QStringLiteral("data"),
                                      QStringLiteral("Read FILE instead of FLDATA.mdb beside the program."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption tolerance(QStringLiteral("tolerance"),
                                       QStringLiteral("identify: allowed deviation of every length (default %1 mm "
                                                      "for D and K, %2 mm for L).")
                                           .arg(data::generalNumberText(lookup::DefaultLengthTolerance),
                                                data::generalNumberText(lookup::DefaultHoleTolerance)),
                                       QStringLiteral("MM"));
    parser.addOptions({format, dataFile, tolerance});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("one of: %1.").arg(cli::commandNames()),
                                 QStringLiteral("command [arguments...]"));

    // A negative number ("-29 °C") is an argument, not a bundle of options:
    // it passes the parser as a stand-in and is given back afterwards.
    QStringList arguments, negatives;
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        const QString argument = QFile::decodeName(argv[i]);
        optionsEnded = optionsEnded || argument == QLatin1String("--");
        bool isNumber = false;
        argument.toDouble(&isNumber);
        if (i > 0 && !optionsEnded && isNumber && argument.startsWith(u'-')) {
            arguments << QChar(0xE000) + QString::number(negatives.size());
            negatives << argument;
        } else {
            arguments << argument;
        }
    }
    const auto restored = [&negatives](const QString &argument) {
        return argument.startsWith(QChar(0xE000)) ? negatives.value(argument.mid(1).toInt(), argument) : argument;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        parser.setApplicationDescription(description());
        return printHelp(parser, argc, argv);
    }
    if (parser.isSet(version))
        return answered(QByteArray("vantelo-query ") + kVersion + '\n', cli::Found);
    const std::optional<cli::Format> outputFormat = cli::formatNamed(parser.value(format));
    if (!outputFormat)
        return fail(QStringLiteral("unknown --format '%1' (valid: text, csv, json)").arg(parser.value(format)));

    QStringList positional = parser.positionalArguments();
    std::transform(positional.begin(), positional.end(), positional.begin(), restored);
    const auto parsed = cli::parseRequest(positional, parser.isSet(tolerance)
                                                          ? std::optional(restored(parser.value(tolerance)))
                                                          : std::nullopt);
    if (const QString *error = std::get_if<QString>(&parsed))
        return fail(*error);
    const cli::Request &request = std::get<cli::Request>(parsed);

    data::Connection connection;
    if (request.needsData()) {
        // The file is opened by its path, never through a connection string,
        // so that a path may hold any character, ';' included.
        const QString path =
            parser.isSet(dataFile) ? restored(parser.value(dataFile)) : data::dataFileIn(data::programDirectory());
        QString error;
        data::rememberPassedChecksInUserCache();
        connection.adopt(data::Database::open(
            parser.isSet(dataFile) ? cli::openablePath(dataArgument(argc, argv)) : path, &error, data::CommandLineLimits));
        if (!connection.isOpen())
            return fail(QStringLiteral("cannot read the data file '%1': %2").arg(path, error));
    }

    const cli::Answer answer = cli::run(request, connection);
    for (const QString &note : answer.notes)
        cli::writeMessage(note);
    // JSON always answers with a document, so that a script need not tell
    // "nothing found" apart before parsing.
    if (answer.status != cli::BadUsage && (!answer.table.rows.isEmpty() || *outputFormat == cli::Format::Json))
        return answered(cli::render(answer.table, *outputFormat), answer.status);
    return answered({}, answer.status);
}
