#include "program_options.h"

#include "version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace vantelo::app {
namespace {

bool isInformationOption(const char *argument)
{
    for (const char *option : {"--help", "-h", "--version", "-v", "--help-all"}) {
        if (std::strcmp(argument, option) == 0)
            return true;
    }
    return false;
}

} // namespace

std::optional<int> answerInformationOptions(int argc, char *argv[])
{
    bool asked = false;
    for (int i = 1; i < argc && !asked; ++i)
        asked = isInformationOption(argv[i]);
    if (!asked)
        return std::nullopt;

    // No window is made, so no display is needed.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantelo"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Looks up the dimensions of HG steel pipe flanges (HG20593-HG20596, HG20616-HG20618)\n"
        "in the data file FLDATA.mdb beside the program. Without options it opens the window;\n"
        "vantelo-query answers the same lookups on the command line."));
    parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(version)) {
        std::printf("vantelo %s\n", kVersion);
        return 0;
    }
    std::fputs(qPrintable(parser.helpText()), stdout);
    return 0;
}

} // namespace vantelo::app
