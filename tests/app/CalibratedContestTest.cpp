// A calibration made as the operator makes it, through the real sound server,
// and the levels it gives the entrants measured after it, as they are stored.
#include "app/Windows.h"
#include "core/EntrantLevels.h"
#include "core/ProgramOptions.h"
#include "measure/MeasurementScreen.h"
#include "settings/LevelCalibrationGroup.h"
#include "settings/MicrophoneSettingsWindow.h"
#include "support/AppTestFolder.h"
#include "support/PinkTones.h"
#include "support/ResultDisplayCloser.h"
#include "support/ShortContest.h"
#include "support/SoundServer.h"
#include "support/WidgetTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class CalibratedContest : public SoundServerTest {
protected:
    // Plays `path` into the virtual microphone and lets it reach the input.
    void Play(const QString& path)
    {
        Microphone = std::make_unique<VirtualMicrophone>();
        Microphone->Play(path);
        HandleEventsUntil([] { return false; }, 400);
    }

    std::unique_ptr<VirtualMicrophone> Microphone;
};

template <typename T>
T* Named(const QObject& parent, const char* name)
{
    T* child = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

}

// A calibrator's 94.0 dB tone sets the scale in ﾏｲｸ設定; a shout 20 dB lower
// and a pink sound of known level, measured on the measurement screen, are
// then stored at the levels a meter would read.
TEST_F(CalibratedContest, TheStoredEntrantsReadTheirLevelsOnTheCalibratorsScale)
{
    EnsureApplication();
    AppTestFolder folder;
    AppContext& context = folder.Context;
    PrepareShortContest(folder);
    const RecordingFormat format = RecordingFormatOf(RecordingQuality::High);
    folder.Write(QLatin1String(format.TemplateName), MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0));
    context.Settings.Mic.Quality = RecordingQuality::High;
    SaveMicSettings(context);

    {
        MicrophoneSettingsWindow window(context, QString());
        window.show();
        auto* group = Named<LevelCalibrationGroup>(window, "levelCalibration");
        ASSERT_NE(group, nullptr);
        const QString calibrator = folder.Path(QStringLiteral("calibrator.wav"));
        WriteTone(calibrator, 48000, 8.0, 0.1, 1000.0);
        Play(calibrator);
        Named<QPushButton>(window, "calibrateButton")->click();
        ASSERT_TRUE(HandleEventsUntil([&] { return !group->Calibrating(); }, 10000));
        Microphone.reset();
        const LevelCalibration made = group->Calibration();
        ASSERT_TRUE(made.OffsetDb) << Named<QLabel>(window, "calibrationResult")->text().toStdString();
        // 94.0 dB at a tenth of full scale.
        EXPECT_NEAR(*made.OffsetDb, 114.0, 0.1);
        folder.Messages.Answer(MessageAnswer::Yes);
        Named<QPushButton>(window, "registerButton")->click();
    }
    const LevelCalibration stored = LoadProgramOptions(context).Level;
    ASSERT_TRUE(stored.OffsetDb);
    // For the input, its volume and the quality it was made with.
    EXPECT_EQ(stored.Input, QString());
    EXPECT_EQ(stored.Volume, 100);
    EXPECT_EQ(stored.Quality, RecordingQuality::High);

    Windows windows(context);
    MeasurementScreen& screen = windows.measurementScreen(nullptr);
    Windows::ShowModeless(screen);
    ResultDisplayCloser closer;
    const auto measure = [&](const QString& sound) {
        Play(sound);
        const int entryNo = context.Contest.EntryNo;
        ClickBand(screen.findChild<ClickLabel*>(QStringLiteral("measureBand")));
        EXPECT_TRUE(HandleEventsUntil([&] { return context.Contest.EntryNo == entryNo + 1 && screen.State() == Waiting; }, 30000));
        Microphone.reset();
    };
    const QString quieter = folder.Path(QStringLiteral("quieter.wav"));
    WriteTone(quieter, 48000, 6.0, 0.01, 1000.0);
    measure(quieter);
    const QString pink = folder.Path(QStringLiteral("pink.wav"));
    const double pinkA = WritePinkTones(pink, 48000, 6.0) + *stored.OffsetDb;
    measure(pink);
    screen.close();

    const auto read = ReadEntrantLevels(context);
    ASSERT_TRUE(std::holds_alternative<EntrantLevels>(read));
    const EntrantLevels& levels = std::get<EntrantLevels>(read);
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_NEAR(levels.at(1).LAeq, 74.0, 0.1);
    EXPECT_NEAR(levels.at(1).LAFmax, 74.0, 0.1);
    EXPECT_FALSE(levels.at(1).Clipped);
    EXPECT_EQ(levels.at(1).OffsetDb, *stored.OffsetDb);
    EXPECT_NEAR(levels.at(2).LAeq, pinkA, 0.3);
    EXPECT_EQ(folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("設定を登録しますか？"), QStringLiteral("登録しました。")}));
}
