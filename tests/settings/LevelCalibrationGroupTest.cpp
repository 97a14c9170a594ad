#include "SettingsWindowTest.h"

#include "core/ProgramOptions.h"
#include "settings/LevelCalibrationGroup.h"
#include "support/FakeRecorder.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <numbers>

namespace {

// 16-bit samples of a sine at 48 kHz.
QByteArray Tone(double frequency, double amplitude, double seconds)
{
    QByteArray bytes;
    for (int n = 0; n < std::lround(seconds * 48000); ++n) {
        const auto sample = static_cast<int16_t>(std::lround(amplitude * 32767 * std::sin(2 * std::numbers::pi * frequency * n / 48000)));
        bytes.append(static_cast<char>(sample & 0xff)).append(static_cast<char>((sample >> 8) & 0xff));
    }
    return bytes;
}

class CalibrationGroup : public SettingsWindowTest {
protected:
    std::unique_ptr<LevelCalibrationGroup> Open()
    {
        auto group = std::make_unique<LevelCalibrationGroup>(
            Context, [] { return RecordingQuality::High; }, nullptr, std::make_unique<FakeRecorder>(Recorder),
            [this](const QByteArray&) { return Volume; });
        group->Load();
        return group;
    }

    static QString Status(const LevelCalibrationGroup& group)
    {
        QString text;
        (void)QTest::qWaitFor([&] {
            text = Child<QLabel>(group, QStringLiteral("calibrationStatus"))->text();
            return !text.endsWith(QStringLiteral("…"));
        });
        return text;
    }

    FakeRecorder::Log Recorder;
    std::optional<int> Volume = 64;
};

}

TEST_F(CalibrationGroup, SaysWhyTheStoredCalibrationDoesNotHoldNowAndRefusesAToneItCannotUse)
{
    ProgramOptions options;
    options.Level.OffsetDb = 110;
    options.Level.Volume = 64;
    options.Level.Date = QDate(2026, 12, 8);
    ASSERT_FALSE(SaveProgramOptions(Context, options));
    EXPECT_EQ(Status(*Open()), QStringLiteral("校正済み：2026/12/08　音響校正器 94.0 dB"));
    Volume = 70;
    EXPECT_EQ(Status(*Open()), QStringLiteral("未校正：録音音量が校正したとき（64%）と違います（今 70%）。"));
    Volume.reset();
    EXPECT_EQ(Status(*Open()), QStringLiteral("未校正：入力の音量がサウンドサーバーから分かりません。"));

    Volume = 64;
    auto group = Open();
    Recorder.Signal = Tone(440, 0.1, 5);
    Child<QPushButton>(*group, QStringLiteral("calibrateButton"))->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !group->Calibrating(); }));
    EXPECT_EQ(Child<QLabel>(*group, QStringLiteral("calibrationResult"))->text(),
              QStringLiteral("1 kHz の音ではありません。校正器の周波数を確かめてください。"));
    EXPECT_EQ(group->Calibration().OffsetDb, 110.0) << "the stored calibration stays";
}
