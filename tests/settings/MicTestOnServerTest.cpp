// The microphone test and the sound test through the real sound server: a
// tone played into the virtual microphone is recorded at each quality.
#include "SettingsWindowTest.h"
#include "WaveformComparison.h"

#include "audio/MultimediaPlayer.h"
#include "settings/MicrophoneSettingsWindow.h"
#include "settings/MicrophoneTestRun.h"
#include "settings/SampleWidgets.h"
#include "settings/SoundSettingsWindow.h"
#include "support/SoundServer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cstdio>

namespace {

class OnSoundServer : public SoundServerTest {
protected:
    void SetUp() override
    {
        SoundServerTest::SetUp();
        if (IsSkipped())
            return;
        EnsureApplication();
        WriteInstalledFolder(Folder);
        for (int quality = 0; quality <= 2; ++quality) {
            const RecordingFormat format = RecordingFormatOf(static_cast<RecordingQuality>(quality));
            Folder.Write(QLatin1String(format.TemplateName), MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0));
        }
        WriteTone(Folder.Path(QStringLiteral("tone.wav")), 48000, 8.0, 0.5);
    }

    void UseQuality(int quality)
    {
        Folder.Context.Settings.Mic.Quality = static_cast<RecordingQuality>(quality);
        SaveMicSettings(Folder.Context);
    }

    static bool Testing(MicrophoneSettingsWindow& window) { return window.findChild<MicrophoneTestRun*>()->Testing(); }

    TestFolder Folder;
};

}

TEST_F(OnSoundServer, EachQualityRecordsThreeSecondsAndScoresThemAsTheAnalysisDoes)
{
    struct Expected {
        const char* Rate;
        const char* Bits;
        const char* DataSize;
    };
    const Expected expected[] = {{"401F00", "80", "C05D00"}, {"803E00", "100", "07710"}, {"80BB00", "100", "06540"}};
    for (int quality = 0; quality <= 2; ++quality) {
        SCOPED_TRACE(quality);
        UseQuality(quality);
        MicrophoneSettingsWindow window(Folder.Context, QString());
        window.show();
        VirtualMicrophone microphone;
        microphone.Play(Folder.Path(QStringLiteral("tone.wav")));
        WaitUntil([] { return false; }, 400);
        double loudest = 0;
        Child<QPushButton>(window, "testButton")->click();
        const bool ended = WaitUntil(
            [&] {
                loudest = std::max(loudest, Child<LevelBar>(window, "inputLevel")->Level());
                return !Testing(window);
            },
            10000);
        ASSERT_TRUE(ended);
        EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>());

        const QString recording = Folder.Path(QStringLiteral("mk1.wav"));
        const MeasureResult score = ScoreRecordingFile(recording, quality == 0 ? SampleWidth::Bits8 : SampleWidth::Bits16,
                                                       Folder.Context.Settings.Mic.NoiseCutLevel);
        EXPECT_GT(score.TotalPoints.Value, 100);
        EXPECT_EQ(Child<QLabel>(window, "totalScore")->text(), ScoreLine(QStringLiteral("測定値"), score.TotalPoints));
        EXPECT_EQ(Child<QLabel>(window, "maxScore")->text(), ScoreLine(QStringLiteral("最大値"), score.MaxPoints));
        EXPECT_EQ(Child<QLabel>(window, "integratedScore")->text(), ScoreLine(QStringLiteral("積算値"), score.IntegPoints));
        ASSERT_EQ(Child<QListWidget>(window, "headerList")->count(), 14);
        const auto* header = Child<QListWidget>(window, "headerList");
        EXPECT_EQ(header->item(7)->text(), QStringLiteral("ｻﾝﾌﾟﾘﾝｸﾞ周波数 : ") + QLatin1String(expected[quality].Rate));
        EXPECT_EQ(header->item(10)->text(), QStringLiteral("1SP Bit数  : ") + QLatin1String(expected[quality].Bits));
        EXPECT_EQ(header->item(13)->text(), QStringLiteral("DATA SIZE  : ") + QLatin1String(expected[quality].DataSize));
        EXPECT_GT(loudest, 0.3) << "the input level showed the tone while it recorded";
        EXPECT_EQ(Child<LevelBar>(window, "inputLevel")->Level(), 0.0) << "and rests once the test has ended";

        QFile file(recording);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll().mid(RecordingHeaderSize);
        const PictureDifference difference =
            ComparePictures(DrawTestPicture(static_cast<RecordingQuality>(quality), data, true), DrawTestPicture(static_cast<RecordingQuality>(quality), data, false));
        EXPECT_EQ(difference.Pixels, 0) << "per-column drawing of the real recording";
    }
}

// The test records what a measurement would: the input chosen in the
// window, its channels averaged.
TEST_F(OnSoundServer, TheTestRecordsTheChosenInputAtItsChannelsAverage)
{
    UseQuality(1);
    const double toneRms = 0.5 * 32767.0 / std::sqrt(2.0);
    struct Input {
        const char* What;
        std::vector<double> Channels;
        const char* Sink;
        int Listed;
        double ExpectedRms;
    };
    // The list holds the default, then the inputs in the server's order.
    const Input inputs[] = {{"stereo, left channel only", {0.5, 0.0}, "micsink", 0, toneRms / 2},
                            {"mono, chosen in the window", {0.5}, "monosink", -1, toneRms}};
    for (const Input& input : inputs) {
        SCOPED_TRACE(input.What);
        MicrophoneSettingsWindow window(Folder.Context, QString());
        window.show();
        auto* list = window.findChild<QComboBox*>(QStringLiteral("inputList"));
        const int index = input.Listed >= 0 ? input.Listed : list->findData(QByteArray("monomic"));
        ASSERT_GE(index, 0);
        list->setCurrentIndex(index);
        emit list->activated(index);
        const QString tonePath = Folder.Path(QStringLiteral("channels.wav"));
        WriteChannelTones(tonePath, 48000, 8.0, input.Channels);
        VirtualMicrophone microphone;
        microphone.Play(tonePath, QLatin1String(input.Sink));
        WaitUntil([] { return false; }, 400);
        Child<QPushButton>(window, "testButton")->click();
        ASSERT_TRUE(WaitUntil([&] { return !Testing(window); }, 10000));
        EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>());
        const QByteArray samples = Folder.Read(QStringLiteral("mk1.wav")).mid(RecordingHeaderSize);
        // The tone fills the recording but for its first moments.
        const double rms = RecordingRms(samples.mid(samples.size() / 3), 16);
        std::printf("%s, microphone test, %s: RMS %.0f (expected %.0f)\n", SoundServerName().toUtf8().constData(), input.What, rms,
                    input.ExpectedRms);
        EXPECT_NEAR(20 * std::log10(rms / input.ExpectedRms), 0.0, 0.05) << "RMS " << rms;
    }
}

TEST_F(OnSoundServer, ACancelledTestLeavesTheDeviceReadyForTheNext)
{
    UseQuality(1);
    MicrophoneSettingsWindow window(Folder.Context, QString());
    window.show();
    VirtualMicrophone microphone;
    microphone.Play(Folder.Path(QStringLiteral("tone.wav")));
    Child<QPushButton>(window, "testButton")->click();
    int ticks = 0;
    QObject::connect(window.findChild<MicrophoneTestRun*>(), &MicrophoneTestRun::ticked, [&ticks](int tick) { ticks = tick; });
    WaitUntil([&] { return ticks >= 10; }, 5000);
    Child<QPushButton>(window, "stopButton")->click();
    ASSERT_TRUE(WaitUntil([&] { return !Testing(window); }, 5000));
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("テストはキャンセルされました！")});
    EXPECT_TRUE(Child<QLabel>(window, "totalScore")->isHidden());
    Child<QPushButton>(window, "testButton")->click();
    ASSERT_TRUE(WaitUntil([&] { return !Testing(window); }, 10000));
    EXPECT_EQ(Folder.Messages.Texts().size(), 1u) << "the next test records its full three seconds";
    EXPECT_FALSE(Child<QLabel>(window, "totalScore")->isHidden());
}

TEST_F(OnSoundServer, TheSoundTestPlaysTheSelectedSlotEvenWhenItIsNotUsed)
{
    const QString sound = Folder.Path(QStringLiteral("lower.wav"));
    WriteTone(sound, 22050, 2.0, 0.3, 880.0);
    SoundSettingsWindow window(Folder.Context, QString());
    window.show();
    auto* file5 = Child<QLineEdit>(window, "soundFile5");
    auto* use5 = Child<QCheckBox>(window, "useBox5");
    file5->setText(sound);
    use5->click();
    ASSERT_FALSE(use5->isChecked());
    SendFocus(file5, QEvent::FocusIn);
    Child<QPushButton>(window, "testButton")->click();
    EXPECT_EQ(window.Player().FileName, sound);
    EXPECT_EQ(window.Player().Mode(), MultimediaPlayer::ModePlaying);
    EXPECT_EQ(window.Player().Length(), 2000);
    Child<QPushButton>(window, "stopButton")->click();
    EXPECT_EQ(window.Player().Mode(), MultimediaPlayer::ModeNotOpen);
}
