#include "app/CommandLine.h"

#include <QCommandLineParser>

CommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, {});
    const QCommandLineOption folder(QStringLiteral("folder"), {}, QStringLiteral("DIR"));
    parser.addOptions({help, version, folder});
    const bool parsed = parser.parse(arguments);

    CommandLine line;
    if (parser.isSet(help))
        line.Asked = CommandLine::Action::Help;
    else if (parser.isSet(version))
        line.Asked = CommandLine::Action::Version;
    else if (!parsed)
        line = {CommandLine::Action::Wrong, {}, parser.errorText()};
    else if (!parser.positionalArguments().isEmpty())
        line = {CommandLine::Action::Wrong, {}, QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())};
    else if (parser.isSet(folder) && parser.value(folder).isEmpty())
        line = {CommandLine::Action::Wrong, {}, QStringLiteral("The folder given with --folder is empty.")};
    else
        line.Folder = parser.value(folder);
    return line;
}

QString CommandLineHelp()
{
    return QStringLiteral(
        "Usage: zuvelo [--folder DIR]\n"
        "Zuvelo (ずべろ) runs a loud-voice contest.\n"
        "\n"
        "Options:\n"
        "  --folder DIR   keep the contest in DIR, created when missing\n"
        "  -h, --help     print this help and end\n"
        "  -v, --version  print the version and end\n"
        "\n"
        "The contest folder holds the settings, the measurement log, the ranking,\n"
        "the setup request, the score sheet settings and the recordings. It is the\n"
        "first of:\n"
        "  1. the folder given with --folder;\n"
        "  2. the program's own folder, when it holds the program's data files and\n"
        "     can be written (a program folder laid out by hand or by cmake --install);\n"
        "  3. $XDG_DATA_HOME/zuvelo, that is ~/.local/share/zuvelo unless\n"
        "     XDG_DATA_HOME says otherwise.\n"
        "The program's data files missing from the contest folder are copied in from\n"
        "the installation; files already there are never replaced. To back a contest\n"
        "up, copy its folder while the program is not running.\n");
}

QString VersionLine()
{
    return QStringLiteral("zuvelo " ZUVELO_VERSION "\n");
}
