#include "app/CommandLine.h"

#include <algorithm>

namespace {

const QString FolderOption = QStringLiteral("--folder");

bool IsHelp(const QString& argument)
{
    return argument == QLatin1String("-h") || argument == QLatin1String("--help");
}

bool IsVersion(const QString& argument)
{
    return argument == QLatin1String("-v") || argument == QLatin1String("--version");
}

CommandLine Wrong(const QString& error)
{
    return {CommandLine::Action::Wrong, {}, error};
}

}

CommandLine ParseCommandLine(const QStringList& arguments)
{
    const QStringList given = arguments.mid(1);
    // Exact matches only: "--version=3" is no request for the version.
    if (std::any_of(given.begin(), given.end(), IsHelp))
        return {CommandLine::Action::Help, {}, {}};
    if (std::any_of(given.begin(), given.end(), IsVersion))
        return {CommandLine::Action::Version, {}, {}};

    CommandLine line;
    bool folderGiven = false;
    for (qsizetype n = 0; n < given.size(); ++n) {
        const QString& argument = given[n];
        if (argument == FolderOption) {
            if (++n == given.size())
                return Wrong(QStringLiteral("--folder の後にフォルダーがありません。"));
            line.Folder = given[n];
        } else if (argument.startsWith(FolderOption + QLatin1Char('='))) {
            line.Folder = argument.mid(FolderOption.size() + 1);
        } else if (argument.startsWith(QLatin1Char('-'))) {
            return Wrong(QStringLiteral("不明なオプションです：%1").arg(argument));
        } else {
            return Wrong(QStringLiteral("余分な引数です：%1").arg(argument));
        }
        folderGiven = true;
    }
    if (folderGiven && line.Folder.isEmpty())
        return Wrong(QStringLiteral("--folder に指定したフォルダーが空です。"));
    return line;
}

QString CommandLineHelp()
{
    return QStringLiteral(
        "使い方: zuvelo [--folder DIR]\n"
        "ずべろ (Zuvelo) は大声大会を運営するソフトウェアです。\n"
        "\n"
        "オプション:\n"
        "  --folder DIR   大会を DIR に置く（なければ作る）\n"
        "  -h, --help     この説明を表示して終わる\n"
        "  -v, --version  バージョンを表示して終わる\n"
        "\n"
        "大会フォルダーには、設定、測定ログ、順位、セットアップ要求、成績表の設定\n"
        "および録音が入ります。大会フォルダーは次のうち最初に当てはまるものです:\n"
        "  1. --folder で指定したフォルダー\n"
        "  2. プログラム自身のフォルダー（プログラムのデータファイルがあり、書き込める\n"
        "     とき。手で、または cmake --install で置いたプログラムフォルダー）\n"
        "  3. $XDG_DATA_HOME/zuvelo（XDG_DATA_HOME の指定がなければ\n"
        "     ~/.local/share/zuvelo）\n"
        "大会フォルダーにないプログラムのデータファイルは、インストール先からコピー\n"
        "されます。すでにあるファイルが置き換えられることはありません。大会を\n"
        "バックアップするには、プログラムを起動していないときにフォルダーごと\n"
        "コピーしてください。\n");
}

QString VersionLine()
{
    return QStringLiteral("zuvelo " ZUVELO_VERSION "\n");
}
