// vantelo-query: the flange lookup for scripts and terminals.
#include "output_table.h"
#include "query_commands.h"
#include "query_request.h"

#include "version.h"

#include "data/program_directory.h"
#include "data/shared_connection.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

using namespace vantelo;

namespace {

const char Description[] =
    "Looks up the standard dimensions of HG steel pipe flanges in the data file.\n\n"
    "Commands:\n"
    "  list                         the standards\n"
    "  list STANDARD                its pressures (American: classes with their MPa)\n"
    "  list STANDARD PRESSURE       the DNs at that pressure\n"
    "  show STANDARD PRESSURE DN    the row, one dimension per line\n"
    "  identify D=MM K=MM n=N L=MM  the flanges whose connection fits (any of them, at\n"
    "                               least one); s=MM or o=MM give K as the centre distance\n"
    "                               of two adjacent or two opposite holes (with n=)\n\n"
    "STANDARD is e.g. HG20593 or 20593; an American PRESSURE is e.g. 300#, 300 or 5.0.\n"
    "Exit status: 0 found, 1 nothing found, 2 bad usage or unreadable data file.";

int fail(const QString &message)
{
    std::fprintf(stderr, "vantelo-query: %s\n", qPrintable(message));
    return cli::BadUsage;
}

// A lookup runs without an application object, whose set-up would cost more
// than the lookup itself; only the help text needs one, for the program name.
int printHelp(const QCommandLineParser &parser, int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    std::fputs(qPrintable(parser.helpText()), stdout);
    return cli::Found;
}

} // namespace

int main(int argc, char *argv[])
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(Description));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption format({QStringLiteral("f"), QStringLiteral("format")},
                                    QStringLiteral("Output as text (default), csv or json."), QStringLiteral("FORMAT"),
                                    QStringLiteral("text"));
    const QCommandLineOption dataFile(QStringLiteral("data"),
                                      QStringLiteral("Read FILE instead of FLDATA.mdb beside the program."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption tolerance(QStringLiteral("tolerance"),
                                       QStringLiteral("identify: allowed deviation of every length (default 2 mm "
                                                      "for D and K, 1 mm for L)."),
                                       QStringLiteral("MM"));
    parser.addOptions({format, dataFile, tolerance});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("list, show or identify."),
                                 QStringLiteral("command [arguments...]"));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help))
        return printHelp(parser, argc, argv);
    if (parser.isSet(version)) {
        std::printf("vantelo-query %s\n", kVersion);
        return cli::Found;
    }
    const std::optional<cli::Format> outputFormat = cli::formatNamed(parser.value(format));
    if (!outputFormat)
        return fail(QStringLiteral("unknown --format '%1' (valid: text, csv, json)").arg(parser.value(format)));

    const auto parsed = cli::parseRequest(parser.positionalArguments(),
                                          parser.isSet(tolerance) ? std::optional(parser.value(tolerance))
                                                                  : std::nullopt);
    if (const QString *error = std::get_if<QString>(&parsed))
        return fail(*error);
    const cli::Request &request = std::get<cli::Request>(parsed);

    data::Connection connection;
    if (request.needsData()) {
        // The file is opened by its path, never through a connection string,
        // so that a path may hold any character, ';' included.
        const QString path =
            parser.isSet(dataFile) ? parser.value(dataFile) : data::dataFileIn(data::programDirectory());
        QString error;
        connection.adopt(data::Database::open(path, &error, data::CommandLineLimits));
        if (!connection.isOpen())
            return fail(QStringLiteral("cannot read the data file '%1': %2").arg(path, error));
    }

    const cli::Answer answer = cli::run(request, connection);
    for (const QString &note : answer.notes)
        std::fprintf(stderr, "vantelo-query: %s\n", qPrintable(note));
    // JSON always answers with a document, so that a script need not tell
    // "nothing found" apart before parsing.
    if (answer.status != cli::BadUsage && (!answer.table.rows.isEmpty() || *outputFormat == cli::Format::Json))
        std::fputs(cli::render(answer.table, *outputFormat).constData(), stdout);
    return answer.status;
}
