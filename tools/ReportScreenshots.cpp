// Prints three entrants' score sheets into a PDF file, shows the score sheet
// output window and the print preview at three zooms on the X display, and
// photographs the whole display after each, into the folder given as the
// only argument.
#include "platform/DesktopSetup.h"
#include "report/PrintPreview.h"
#include "report/ScoreSheetOutput.h"
#include "store/ContestState.h"
#include "store/SettingsStore.h"
#include "support/ScoreSheetEntrants.h"
#include "ScreenshotSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (!TakeOutputFolder(argc, argv, "ReportScreenshots"))
        return 2;
    QApplication application(argc, argv);
    InstallJapaneseTranslations(application);
    InstallFontSubstitutions();

    FactoryContest contest;
    ContestState& context = contest.Context;
    StoreEntrant(context, 1, 0, 30, 5);
    StoreEntrant(context, 2, 2, 30, 10);
    StoreEntrant(context, 3, 1, 30, 0);
    SaveBasicSettings(context);
    SaveMicSettings(context);

    ScoreSheetOutput output(context);
    output.ChoosePdfFile = [] { return OutputFolder + QStringLiteral("/sheets.pdf"); };
    output.Open(ScoreSheetRequest{}, QPoint(80, 80));
    Shoot(QStringLiteral("1-output-window"));
    output.CmdPdf_Click();
    std::printf("wrote %s/sheets.pdf\n", qPrintable(OutputFolder));

    PrintPreview preview(&output);
    int sheet = 0;
    output.ShowPreview = [&](const PageSurface& page, int16_t& stop) {
        preview.PCRX = &page;
        preview.show();
        const QString prefix = QStringLiteral("2-preview-%1").arg(++sheet);
        Shoot(prefix + QStringLiteral("-100"));
        if (sheet == 1) {
            preview.VS1->setValue(preview.VS1->maximum() / 2);
            Shoot(prefix + QStringLiteral("-100-scrolled"));
            preview.ZZ_Click(0);
            Shoot(prefix + QStringLiteral("-150"));
            preview.ZZ_Click(4);
            Shoot(prefix + QStringLiteral("-25"));
            preview.P1_Click();
        } else {
            preview.P2_Click();
        }
        stop = preview.PreviewStopRequest;
    };
    output.CmdRev_Click();
    output.close();
    return 0;
}
