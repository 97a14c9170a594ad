#pragma once

#include "widgets/MessageBoxService.h"
#include "widgets/ContestSession.h"
#include "core/EntrantRoster.h"
#include "core/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>

// What the screenshot drivers share.

// Answers every question Yes and prints what was shown, so that a driver
// never stops on a message box.
class AnswerYes : public MessageBoxService {
public:
    MessageAnswer Show(const QString& text, const QString&, MessageIcon, MessageButtons) override
    {
        std::printf("message: %s\n", qPrintable(text));
        return MessageAnswer::Yes;
    }
};

// A contest in a temporary program folder with factory settings.
struct FactoryContest {
    FactoryContest() { ResetToFactorySettings(Context); }

    QTemporaryDir Folder;
    AnswerYes Answers;
    ContestSession Context{Folder.path(), Answers};
};

// Names for entrants 1 to 25 that test the screens: characters outside code
// page 932 (𠮷) and only in its extensions (髙), a long Latin name and names
// of the full 40 characters.
inline void RegisterLongNames(ContestSession& context)
{
    EntrantRoster roster;
    for (int n = 1; n <= 25; ++n) {
        static const QString names[] = {QString::fromUcs4(U"𠮷田 太郎"), QStringLiteral("髙橋 一二三"),
                                        QStringLiteral("Alexandra Wilhelmina Montgomery-Smythe"),
                                        QString(40, QChar(u'寿')), QStringLiteral("Müller")};
        roster.Set(n, {n <= 5 ? names[n - 1] : QStringLiteral("山田 花子%1").arg(n).repeated(n % 3 + 1).left(40),
                       QStringLiteral("北小学校 %1年").arg(n % 6 + 1)});
    }
    WriteEntrantRoster(context.Folder, roster);
}

// The folder the pictures go to.
inline QString OutputFolder;

// Lets the windows settle, then photographs the whole X display as
// <OutputFolder>/<name>.png.
inline void Shoot(const QString& name)
{
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 700)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const QString path = OutputFolder + QLatin1Char('/') + name + QStringLiteral(".png");
    QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
    std::printf("wrote %s\n", qPrintable(path));
}

// Takes the folder for the pictures from the command line ("<program>
// <folder>") and makes it; false, after printing the usage, without one.
inline bool TakeOutputFolder(int argc, char* argv[], const char* program)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", program);
        return false;
    }
    OutputFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    return QDir().mkpath(OutputFolder);
}
