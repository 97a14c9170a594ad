#include "SettingsWindowTest.h"

#include "settings/AudioInputChooser.h"
#include "core/ProgramOptions.h"
#include "support/FakeRecorder.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QtEndian>

namespace {

class InputChooser : public SettingsWindowTest {
protected:
    std::unique_ptr<AudioInputChooser> Open()
    {
        auto lister = [] {
            return AudioInputList{{{"virtmic", QStringLiteral("Stereo mic")}, {"monomic", QStringLiteral("Mono mic")}}, "virtmic"};
        };
        auto chooser = std::make_unique<AudioInputChooser>(Context, nullptr, lister, std::make_unique<FakeRecorder>(Monitor));
        chooser->Load();
        return chooser;
    }

    static QComboBox* List(AudioInputChooser& chooser) { return chooser.findChild<QComboBox*>(QStringLiteral("inputList")); }

    static void Pick(AudioInputChooser& chooser, int index)
    {
        List(chooser)->setCurrentIndex(index);
        emit List(chooser)->activated(index);
    }

    FakeRecorder::Log Monitor;
};

}

TEST_F(InputChooser, TheDefaultComesFirstAndAChoiceIsStoredAtOnceBesideTheOtherOptions)
{
    ASSERT_FALSE(SaveProgramOptions(Context, {{}, {QStringLiteral("HDMI-1"), {}, {}, {}, {}}}));
    const std::vector<const char*> settingsFiles = {"KANKYOU1.REC", "KANKYOU2.REC", "KANKYOU3.REC", "KANKYOU4.REC", "KANKYOUB.REC"};
    std::vector<QByteArray> settingsBefore;
    for (const char* file : settingsFiles)
        settingsBefore.push_back(Folder.Read(QLatin1String(file)));
    auto chooser = Open();
    QComboBox* list = List(*chooser);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(0), QStringLiteral("既定の入力 (Stereo mic)"));
    EXPECT_EQ(list->itemText(2), QStringLiteral("Mono mic"));
    EXPECT_EQ(list->currentIndex(), 0);

    Pick(*chooser, 2);
    EXPECT_EQ(LoadProgramOptions(Context).AudioInput, QStringLiteral("monomic"));
    EXPECT_EQ(LoadProgramOptions(Context).AudienceScreen.Name, QStringLiteral("HDMI-1"));
    EXPECT_EQ(List(*Open())->currentText(), QStringLiteral("Mono mic")) << "the next opening shows the choice";

    Pick(*chooser, 0);
    EXPECT_EQ(LoadProgramOptions(Context).AudioInput, QString());
    EXPECT_TRUE(Folder.Messages.Texts().empty());
    for (size_t i = 0; i < settingsFiles.size(); ++i)
        EXPECT_EQ(Folder.Read(QLatin1String(settingsFiles[i])), settingsBefore[i]) << settingsFiles[i] << " untouched";
}

TEST_F(InputChooser, AStoredInputThatIsGoneIsNamedAndTheDefaultShownUntilTheOperatorChooses)
{
    ASSERT_FALSE(SaveProgramOptions(Context, {QStringLiteral("usbmic"), {}}));
    auto chooser = Open();
    chooser->show();
    auto* missing = chooser->findChild<QLabel*>(QStringLiteral("missingInput"));
    EXPECT_EQ(List(*chooser)->currentIndex(), 0);
    EXPECT_TRUE(missing->isVisible());
    EXPECT_TRUE(missing->text().contains(QStringLiteral("usbmic")));
    EXPECT_EQ(LoadProgramOptions(Context).AudioInput, QStringLiteral("usbmic")) << "kept for when it is back";
    Pick(*chooser, 1);
    EXPECT_FALSE(missing->isVisible());
    EXPECT_EQ(LoadProgramOptions(Context).AudioInput, QStringLiteral("virtmic"));
}

TEST_F(InputChooser, TheLevelBarFollowsTheListedInputWhileShown)
{
    // A second at half of full scale, 16 bits.
    Monitor.DeliverAtMost = 16000;
    Monitor.Signal.resize(2 * 16000);
    for (int i = 0; i < 16000; ++i)
        qToLittleEndian<int16_t>(i % 2 ? 16384 : -16384, Monitor.Signal.data() + 2 * i);
    auto chooser = Open();
    auto* level = chooser->findChild<QProgressBar*>(QStringLiteral("inputLevel"));
    chooser->show();
    ASSERT_TRUE(WaitUntil([&] { return level->value() > 0; }, 2000));
    EXPECT_EQ(level->value(), 50);
    const int stops = Monitor.Stops;
    Pick(*chooser, 2);
    EXPECT_GT(Monitor.Stops, stops) << "listening starts again on the chosen input";
    chooser->hide();
    EXPECT_EQ(level->value(), 0);
}
