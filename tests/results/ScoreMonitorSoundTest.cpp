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
    auto* play = monitor.findChild<QPushButton*>(QStringLiteral("playButton"));
    ASSERT_NE(play, nullptr);
    monitor.PressKey(Qt::Key_Right);
    play->click();
    EXPECT_EQ(monitor.Player().Mode(), MultimediaPlayer::ModePlaying);
    EXPECT_EQ(monitor.Player().FileName, folder.Path(QStringLiteral("xx0002.wav")));
    play->click();
    EXPECT_EQ(monitor.Player().Mode(), MultimediaPlayer::ModeNotOpen);

    play->click();
    EXPECT_EQ(monitor.Player().Mode(), MultimediaPlayer::ModePlaying);
    monitor.PressKey(Qt::Key_Left);
    EXPECT_EQ(monitor.Player().Mode(), MultimediaPlayer::ModeNotOpen) << "stepping on stops the entrant no longer on view";
    play->click();
    monitor.close();
    EXPECT_EQ(monitor.Player().Mode(), MultimediaPlayer::ModeNotOpen) << "closing stops it";

    EXPECT_EQ(folder.Read(QStringLiteral("xx0002.wav")), recording);
    EXPECT_EQ(folder.Read(QStringLiteral("loudlog.dat")), log);
    EXPECT_TRUE(folder.Messages.Messages.empty());
}
