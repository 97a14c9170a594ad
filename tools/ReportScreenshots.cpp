// Prints three entrants' score sheets into a PDF file (and again with long
// names into sheets-named.pdf, with calibrated sound levels into
// sheets-levels.pdf), shows the score sheet
// output window and the print preview at three zooms on the X display, and
// photographs the whole display after each, into the folder given as the
// only argument.
#include "widgets/DesktopSetup.h"
#include "report/PrintPreview.h"
#include "report/ScoreSheetOutput.h"
#include "widgets/ContestSession.h"
#include "core/SettingsStore.h"
#include "support/ScoreSheetEntrants.h"
#include "support/ShownLevels.h"
#include "ScreenshotSupport.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Presses the button and lets the range it starts run to its end, when the
// stop button goes grey.
void RunRange(ScoreSheetOutput& output, const char* button)
{
    output.findChild<QPushButton*>(QLatin1String(button))->click();
    const QPushButton* stop = output.findChild<QPushButton*>(QStringLiteral("stopButton"));
    while (stop->isEnabled())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
}

} // namespace

int main(int argc, char* argv[])
{
    if (!TakeOutputFolder(argc, argv, "ReportScreenshots"))
        return 2;
    QApplication application(argc, argv);
    InstallJapaneseTranslations(application);
    InstallFontSubstitutions();

    FactoryContest contest;
    ContestSession& context = contest.Context;
    StoreEntrant(context, 1, 0, 30, 5);
    StoreEntrant(context, 2, 2, 30, 10);
    StoreEntrant(context, 3, 1, 30, 0);
    SaveBasicSettings(context);
    SaveMicSettings(context);

    ScoreSheetOutput output(context);
    output.SetPdfFileChooser([] { return OutputFolder + QStringLiteral("/sheets.pdf"); });
    output.Open(ScoreSheetRequest{}, QPoint(80, 80));
    Shoot(QStringLiteral("1-output-window"));
    RunRange(output, "pdfButton");
    std::printf("wrote %s/sheets.pdf\n", qPrintable(OutputFolder));

    PrintPreview preview(&output);
    const auto choose = [&preview](const char* item) { preview.findChild<QAction*>(QLatin1String(item))->trigger(); };
    int sheet = 0;
    QObject::connect(&output, &ScoreSheetOutput::previewRequested, [&](const PageSurface& page) {
        preview.SetPage(&page);
        preview.show();
        const QString prefix = QStringLiteral("2-preview-%1").arg(++sheet);
        Shoot(prefix + QStringLiteral("-100"));
        if (sheet == 1) {
            auto* verticalBar = preview.findChild<QScrollBar*>(QStringLiteral("verticalBar"));
            verticalBar->setValue(verticalBar->maximum() / 2);
            Shoot(prefix + QStringLiteral("-100-scrolled"));
            choose("zoom150");
            Shoot(prefix + QStringLiteral("-150"));
            choose("zoom25");
            Shoot(prefix + QStringLiteral("-25"));
            choose("nextItem");
        } else {
            choose("stopItem");
        }
    });
    // The run takes the preview's answer once it holds for it.
    QObject::connect(&preview, &QDialog::finished, &output, [&] { output.previewClosed(preview.RunStopped()); }, Qt::QueuedConnection);
    RunRange(output, "previewButton");
    output.close();

    // The same sheets with the entrants' names, the third's name and group
    // of the full 40 wide characters.
    RegisterLongNames(context);
    EntrantRoster roster = ReadEntrantRoster(context.Folder).Roster;
    roster.Set(3, {QString(40, QChar(u'寿')), QString(40, QChar(u'Ｗ'))});
    WriteEntrantRoster(context.Folder, roster);
    ScoreSheetOutput named(context);
    named.SetPdfFileChooser([] { return OutputFolder + QStringLiteral("/sheets-named.pdf"); });
    named.Open(ScoreSheetRequest{}, QPoint(80, 80));
    RunRange(named, "pdfButton");
    std::printf("wrote %s/sheets-named.pdf\n", qPrintable(OutputFolder));
    named.close();

    StoreShownLevels(context, 3);
    ScoreSheetOutput levels(context);
    levels.SetPdfFileChooser([] { return OutputFolder + QStringLiteral("/sheets-levels.pdf"); });
    levels.Open(ScoreSheetRequest{}, QPoint(80, 80));
    RunRange(levels, "pdfButton");
    std::printf("wrote %s/sheets-levels.pdf\n", qPrintable(OutputFolder));
    levels.close();
    return 0;
}
