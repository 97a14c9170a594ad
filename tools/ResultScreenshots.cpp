// Shows the ranking board (first and second page, then with the hall page's
// QR code), the hall's full-screen QR code, the score monitor in both colour
// schemes, the measurement log and its save dialog, then the three with long
// entrants' names, on the X display, and photographs the whole display after
// each, then the board, monitor and log again with calibrated sound levels
// shown, into the folder given as the only argument.
#include "widgets/DesktopSetup.h"
#include "results/HallCodeWindow.h"
#include "results/MeasurementLogWindow.h"
#include "results/ScoreMonitor.h"
#include "results/RankingBoard.h"
#include "widgets/ContestSession.h"
#include "core/ResultRecord.h"
#include "core/SettingsStore.h"
#include "support/ShownLevels.h"
#include "support/SpokenRecording.h"
#include "ScreenshotSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

// Twenty-five entrants of a 5-second contest at 48 kHz, each with the same
// spoken recording, stored over a quarter of an hour.
void StoreContest(ContestSession& context)
{
    const QByteArray recording = SpokenRecordingFile(2, 5);
    QByteArray log;
    for (int n = 1; n <= MaxEntrants; ++n) {
        ResultRecord record = ResultRecord::Cleared(static_cast<int16_t>(n), 45207.4 + n / 100.0);
        if (n <= 25) {
            record.MaxPoints = static_cast<int16_t>(300 + (n * 137) % 600);
            record.IntegPoints = static_cast<int16_t>(100 + (n * 71) % 400);
            record.TotalPoints = static_cast<int16_t>(record.MaxPoints + record.IntegPoints);
            record.MaxRaw = record.MaxPoints * 23593;
            record.IntegRaw = record.IntegPoints * 7864;
            record.SampleCount = 240000;
            record.Reserved1 = -1;
            record.NoiseCutLevel = 10;
            record.MeasureSeconds = 5;
            record.Quality = 2;
            QFile file(context.Folder.FilePath(QStringLiteral("xx%1.wav").arg(n, 4, 10, QLatin1Char('0'))));
            if (file.open(QIODevice::WriteOnly))
                file.write(recording);
        }
        log += record.Encode();
    }
    QFile file(context.LogPath());
    if (file.open(QIODevice::WriteOnly))
        file.write(log);
}

void ShootBoard(ContestSession& context)
{
    RankingBoard board(context);
    board.show();
    Shoot(QStringLiteral("1-ranking-board-page1"));
    board.PressMouse(Qt::RightButton);
    Shoot(QStringLiteral("2-ranking-board-page2"));
    board.close();
    const QString hallUrl = QStringLiteral("http://192.168.10.20:8080/");
    board.SetHallUrl(hallUrl);
    board.show();
    Shoot(QStringLiteral("8-ranking-board-hall-code"));
    board.close();
    HallCodeWindow code(context);
    code.SetUrl(hallUrl);
    code.show();
    Shoot(QStringLiteral("9-hall-code"));
    code.close();
}

void ShootMonitor(ContestSession& context, bool whiteOnBlack)
{
    context.Settings.Basic.WaveformWhiteOnBlack = whiteOnBlack;
    SaveBasicSettings(context);
    ScoreMonitor monitor(context);
    monitor.SetRequest(ScoreMonitorRequest{OpenedFromMenu});
    monitor.show();
    monitor.PressKey(Qt::Key_Right);
    Shoot(whiteOnBlack ? QStringLiteral("4-score-monitor-white-on-black") : QStringLiteral("3-score-monitor-black-on-white"));
    monitor.close();
}

void ShootLog(ContestSession& context)
{
    MeasurementLogWindow log(context);
    log.show();
    Shoot(QStringLiteral("5-measurement-log"));
    log.ToggleOrder();
    Shoot(QStringLiteral("6-measurement-log-by-rank"));
    QTimer::singleShot(0, [] {
        Shoot(QStringLiteral("7-export-dialog"));
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    ChooseExportFile(&log, {QStringLiteral("テキストファイルの保存"), QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(TXT) (*.TXT *.txt)")},
                     context.Folder.Path());
    log.close();
}

}

int main(int argc, char* argv[])
{
    if (!TakeOutputFolder(argc, argv, "ResultScreenshots"))
        return 2;
    QApplication application(argc, argv);
    InstallJapaneseTranslations(application);
    InstallFontSubstitutions();

    FactoryContest contest;
    ContestSession& context = contest.Context;
    context.Settings.Basic.SoundOn = false;
    context.Settings.Basic.MeasureSeconds = 5;
    SaveBasicSettings(context);
    context.Settings.Mic.NoiseCutLevel = 10;
    SaveMicSettings(context);
    StoreContest(context);

    ShootBoard(context);
    ShootMonitor(context, false);
    ShootMonitor(context, true);
    ShootLog(context);

    // With the entrants' names, long ones among them.
    RegisterLongNames(context);
    {
        RankingBoard board(context);
        board.show();
        Shoot(QStringLiteral("10-ranking-board-named"));
        board.close();
    }
    ScoreMonitor monitor(context);
    monitor.SetRequest(ScoreMonitorRequest{OpenedFromMenu});
    monitor.show();
    for (int step = 0; step < 3; ++step)
        monitor.PressKey(Qt::Key_Right);
    Shoot(QStringLiteral("11-score-monitor-named"));
    monitor.close();
    MeasurementLogWindow log(context);
    log.show();
    Shoot(QStringLiteral("12-measurement-log-named"));
    log.close();

    // With calibrated sound levels shown beside the points.
    StoreShownLevels(context, 25);
    {
        RankingBoard board(context);
        board.show();
        Shoot(QStringLiteral("13-ranking-board-levels"));
        board.close();
    }
    monitor.show();
    Shoot(QStringLiteral("14-score-monitor-levels"));
    monitor.close();
    log.show();
    Shoot(QStringLiteral("15-measurement-log-levels"));
    log.close();
    return 0;
}
