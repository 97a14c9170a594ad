#include "results/ScoreMonitor.h"

#include "support/ResultLog.h"
#include "support/SoundServer.h"
#include "support/WidgetTestSupport.h"

#include <QPushButton>
#include <gtest/gtest.h>

class ScoreMonitorPlaying : public SoundServerTest {};

TEST_F(ScoreMonitorPlaying, APressPlaysTheEntrantOnViewAndASecondStopsIt)
{
    EnsureApplication();
    TestFolder folder;
    WriteInstalledFolder(folder);
    WriteLogOfTotals(folder, {800, 900});
    std::vector<int16_t> tone(16000 * 3);
    for (size_t i = 0; i < tone.size(); ++i)
        tone[i] = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 440 * double(i) / 16000));
    WriteRecording16(folder, 1, tone);
    WriteRecording16(folder, 2, tone);
    const QByteArray recording = folder.Read(QStringLiteral("xx0002.wav"));
    const QByteArray log = folder.Read(QStringLiteral("loudlog.dat"));

    ScoreMonitor monitor(folder.Context);
    monitor.show();
    monitor.Form_KeyDown(Qt::Key_Right);
    monitor.CmdPlay->click();
    EXPECT_EQ(monitor.MM1.Mode(), MultimediaPlayer::ModePlaying);
    EXPECT_EQ(monitor.MM1.FileName, folder.Path(QStringLiteral("xx0002.wav")));
    monitor.CmdPlay->click();
    EXPECT_EQ(monitor.MM1.Mode(), MultimediaPlayer::ModeNotOpen);

    monitor.CmdPlay->click();
    EXPECT_EQ(monitor.MM1.Mode(), MultimediaPlayer::ModePlaying);
    monitor.Form_KeyDown(Qt::Key_Left);
    EXPECT_EQ(monitor.MM1.Mode(), MultimediaPlayer::ModeNotOpen) << "stepping on stops the entrant no longer on view";
    monitor.CmdPlay->click();
    monitor.close();
    EXPECT_EQ(monitor.MM1.Mode(), MultimediaPlayer::ModeNotOpen) << "closing stops it";

    EXPECT_EQ(folder.Read(QStringLiteral("xx0002.wav")), recording);
    EXPECT_EQ(folder.Read(QStringLiteral("loudlog.dat")), log);
    EXPECT_TRUE(folder.Messages.Messages.empty());
}
