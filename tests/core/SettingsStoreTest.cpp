#include "core/SettingsFileFormat.h"
#include "core/SettingsStore.h"

#include "core/Cp932.h"
#include "core/SetupRequest.h"
#include "support/SmallFileSystem.h"
#include "support/StoreFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <map>

namespace {

const QStringList SettingsFiles = {QStringLiteral("KANKYOU1.REC"), QStringLiteral("KANKYOU2.REC"), QStringLiteral("KANKYOU3.REC"),
                                   QStringLiteral("KANKYOU4.REC"), QStringLiteral("KANKYOUB.REC")};

bool Saved(const std::optional<SettingsNotWritten>& failure)
{
    return !failure;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Cp932(const QString& text)
{
    return *EncodeCp932(text);
}

void ExpectNoSettingsFiles(const StoreFolder& folder)
{
    for (const QString& name : SettingsFiles)
        EXPECT_FALSE(folder.Exists(name)) << name.toStdString();
}

SettingsRecord EditedSettings(const QString& folder)
{
    SettingsRecord settings;
    settings.Basic = {30, false, false, true, true, true, -5};
    settings.Screen = ScreenSettings::Factory();
    settings.Screen.FullGaugeLayout = true;
    settings.Screen.MeasuringBackColor = Rgb(1, 2, 3);
    settings.Screen.StoppedBackColor = Rgb(4, 5, 6);
    settings.Screen.ResultFontBold = QStringLiteral("True");
    settings.Screen.BandText[0] = QStringLiteral("第１回 №１～大声");
    settings.Screen.BandForeColor[4] = Rgb(255, 255, 0);
    settings.Screen.GaugeStyle = 0;
    settings.Sound = SoundSettings::Factory(folder);
    settings.Sound.SoundFile[6] = QStringLiteral("/音/ﾌﾞｰﾋﾞｰ.wav");
    settings.Sound.SoundEnabled[3] = false;
    settings.Sound.RankSoundFromEntry = 12;
    settings.Effect = {false, 25, 10, {Rgb(1, 1, 1), Rgb(2, 2, 2), Rgb(3, 3, 3)}};
    settings.Mic = {55, RecordingQuality::High};
    return settings;
}

}

TEST(SettingsStore, FactoryFilesAreWrittenByteForByte)
{
    StoreFolder folder;
    ASSERT_TRUE(ResetToFactorySettings(folder.Context).empty());

    EXPECT_EQ(folder.Read(QStringLiteral("KANKYOU1.REC")), QByteArray("3\r\n#TRUE#\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n0\r\n"));
    EXPECT_EQ(folder.Read(QStringLiteral("KANKYOUB.REC")), QByteArray("10\r\n0\r\n"));
    EXPECT_EQ(folder.Read(QStringLiteral("KANKYOU4.REC")), QByteArray("#TRUE#\r\n3\r\n3\r\n65280\r\n65535\r\n255\r\n"));
    EXPECT_EQ(folder.Read(QStringLiteral("KANKYOU2.REC")),
              "#FALSE#\r\n4227072\r\n10485760\r\n4227072\r\n0\r\n16777215\r\n\"" + Cp932(QStringLiteral("ＭＳ ゴシック")) +
                  "\"\r\n\"False\"\r\n\"False\"\r\n0\r\n0\r\n16711680\r\n16711680\r\n255\r\n128\r\n4227072\r\n"
                  "16777215\r\n16777215\r\n16777215\r\n16777215\r\n16777215\r\n\"" +
                  Cp932(QStringLiteral("おおごえ大会")) + "\"\r\n\"" + Cp932(QStringLiteral("たいきちゅう")) + "\"\r\n\"" +
                  Cp932(QStringLiteral("いくよ！")) + "\"\r\n\"" + Cp932(QStringLiteral("よみこみちゅう")) + "\"\r\n\"" +
                  Cp932(QStringLiteral("ていしちゅう")) + "\"\r\n\"" + Cp932(QStringLiteral("ＭＳ ゴシック")) +
                  "\"\r\n\"False\"\r\n\"False\"\r\n1\r\n");
    const QByteArray base = folder.Dir.path().toUtf8();
    EXPECT_EQ(folder.Read(QStringLiteral("KANKYOU3.REC")),
              "\"" + base + "/start.wav\"\r\n\"" + base + "/stop.wav\"\r\n\"" + base + "/v1.wav\"\r\n\"" + base +
                  "/v2.wav\"\r\n\"" + base + "/v3.wav\"\r\n\"" + base + "/v4.wav\"\r\n\"" + base +
                  "/v5.wav\"\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n5\r\n");
}

TEST(SettingsStore, AllGroupsRoundTripThroughTheirFiles)
{
    StoreFolder folder;
    const SettingsRecord edited = EditedSettings(folder.Dir.path());
    folder.Context.Settings = edited;
    ASSERT_TRUE(Saved(SaveBasicSettings(folder.Context)));
    ASSERT_TRUE(Saved(SaveScreenSettings(folder.Context)));
    ASSERT_TRUE(Saved(SaveSoundSettings(folder.Context)));
    ASSERT_TRUE(Saved(SaveEffectSettings(folder.Context)));
    ASSERT_TRUE(Saved(SaveMicSettings(folder.Context)));
    EXPECT_TRUE(folder.Read(QStringLiteral("KANKYOU1.REC")).endsWith("\r\n-5\r\n"));
    EXPECT_TRUE(folder.Read(QStringLiteral("KANKYOU2.REC")).startsWith("#TRUE#\r\n4227072\r\n197121\r\n394500\r\n"));

    folder.Context.Settings = SettingsRecord();
    EXPECT_FALSE(LoadBasicSettings(folder.Context));
    EXPECT_FALSE(LoadScreenSettings(folder.Context));
    EXPECT_FALSE(LoadSoundSettings(folder.Context));
    EXPECT_FALSE(LoadEffectSettings(folder.Context));
    EXPECT_FALSE(LoadMicSettings(folder.Context));
    EXPECT_EQ(folder.Context.Settings.Basic, edited.Basic);
    EXPECT_EQ(folder.Context.Settings.Screen, edited.Screen);
    EXPECT_EQ(folder.Context.Settings.Sound, edited.Sound);
    EXPECT_EQ(folder.Context.Settings.Effect, edited.Effect);
    EXPECT_EQ(folder.Context.Settings.Mic, edited.Mic);
}

// The fault a group's loader names; empty when it read the whole file.
QStringList FaultsOf(const std::optional<SettingsDamaged>& damaged)
{
    return damaged ? damaged->Faults : QStringList();
}

TEST(SettingsStore, GroupLoadersKeepWhatTheyReadBeforeAFaultAndNameIt)
{
    StoreFolder folder;
    SettingsRecord& settings = folder.Context.Settings;
    settings.Sound.SoundEnabled.fill(false);
    settings.Sound.RankSoundFromEntry = 77;
    folder.Write(QStringLiteral("KANKYOU3.REC"),
                 "\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n\"e\"\r\n\"f\"\r\n\"g\"\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n");
    EXPECT_EQ(FaultsOf(LoadSoundSettings(folder.Context)), QStringList{QStringLiteral("KANKYOU3.REC の 11行目がありません。")});
    EXPECT_EQ(settings.Sound.SoundFile[6], QStringLiteral("g"));
    EXPECT_EQ(settings.Sound.SoundEnabled, (std::array<bool, 7>{true, true, true, false, false, false, false}));
    EXPECT_EQ(settings.Sound.RankSoundFromEntry, 77);

    settings.Mic = {33, RecordingQuality::Middle};
    folder.Write(QStringLiteral("KANKYOUB.REC"), "20\r\n\"2\"\r\n");
    EXPECT_EQ(FaultsOf(LoadMicSettings(folder.Context)), QStringList{QStringLiteral("KANKYOUB.REC の 2行目「\"2\"」は使えない値です。")});
    EXPECT_EQ(settings.Mic.NoiseCutLevel, 20);
    EXPECT_EQ(settings.Mic.Quality, RecordingQuality::Middle);

    settings.Screen = ScreenSettings::Factory();
    folder.Write(QStringLiteral("KANKYOU2.REC"), "#TRUE#\r\n1\r\n2\r\n3\r\n4\r\n5\r\n\"\x82\"\r\n");
    EXPECT_EQ(FaultsOf(LoadScreenSettings(folder.Context)).size(), 1);
    EXPECT_TRUE(settings.Screen.FullGaugeLayout);
    EXPECT_EQ(settings.Screen.ResultForeColor, 5);
    EXPECT_EQ(settings.Screen.ResultFontName, QStringLiteral("ＭＳ ゴシック"));

    settings.Effect.BlinkInterval = 9;
    EXPECT_EQ(FaultsOf(LoadEffectSettings(folder.Context)), QStringList{QStringLiteral("KANKYOU4.REC がありません。")});
    EXPECT_EQ(settings.Effect.BlinkInterval, 9);
}

TEST(SettingsStore, BrokenBasicSettingsAreNamedWithTheLineAtFault)
{
    const std::vector<std::pair<QByteArray, QString>> rows = {
        {"40000\r\n#TRUE#\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n0\r\n", "KANKYOU1.REC の 1行目「40000」は使えない値です。"},
        {"\"3\"\r\n#TRUE#\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n0\r\n", "KANKYOU1.REC の 1行目「\"3\"」は使えない値です。"},
        {"3\r\n#TRUE#\r\n#TRUE#\r\n", "KANKYOU1.REC の 4行目がありません。"},
        {"3\r\n#TRUE#\r\n\x82\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n0\r\n", "KANKYOU1.REC の 3行目「?」は使えない値です。"},
    };
    for (const auto& [broken, fault] : rows) {
        StoreFolder folder;
        folder.Write(QStringLiteral("KANKYOU1.REC"), broken);
        const std::optional<SettingsDamaged> damaged = LoadBasicSettings(folder.Context);
        ASSERT_TRUE(damaged) << broken.toStdString();
        EXPECT_EQ(damaged->Faults, QStringList{fault});
        EXPECT_TRUE(damaged->KeepsFiles);
        EXPECT_EQ(folder.Read(QStringLiteral("KANKYOU1.REC")), broken) << "nothing is written";
    }
}

TEST(SettingsStore, StartUpTakesNoFileWithAValueItsWindowDoesNotAllow)
{
    // Each row: a file as an operator's editor or a killed first start left
    // it, and the fault the message names.
    const QByteArray longJunk = QByteArray("1234567890").repeated(10);
    const std::vector<std::tuple<QString, QByteArray, QString>> rows = {
        {"KANKYOU1.REC", "0\r\n#TRUE#\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n0\r\n", "1行目「0」"},
        {"KANKYOU1.REC", "999\r\n#TRUE#\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n0\r\n", "1行目「999」"},
        {"KANKYOU1.REC", "3\r\n#TRUE#\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n-21\r\n", "7行目「-21」"},
        {"KANKYOUB.REC", "10\r\n7\r\n", "2行目「7」"},
        {"KANKYOUB.REC", "101\r\n0\r\n", "1行目「101」"},
        {"KANKYOUB.REC", longJunk + "\r\n0\r\n", "1行目「" + QString::fromLatin1(longJunk.left(40)) + "…」"},
        {"KANKYOU2.REC", "", "1行目がありません。"},
        {"KANKYOU2.REC", "\x13\x37random\r\n", "1行目「?7random」"},
        {"KANKYOU4.REC", "#TRUE#\r\n0\r\n3\r\n65280\r\n65535\r\n255\r\n", "2行目「0」"},
        {"KANKYOU4.REC", "#TRUE#\r\n1\r\n3\r\n65280\r\n65535\r\n255\r\n", "2行目「1」"},
        {"KANKYOU4.REC", "#TRUE#\r\n3\r\n3\r\n-1\r\n65535\r\n255\r\n", "4行目「-1」"},
        {"KANKYOU4.REC", "#TRUE#\r\n3\r\n3\r\n65280\r\n65535\r\n2147483647\r\n", "6行目「2147483647」"},
    };
    for (const auto& [name, bytes, fault] : rows) {
        StoreFolder folder;
        ASSERT_TRUE(ResetToFactorySettings(folder.Context).empty());
        folder.Write(name, bytes);
        const std::optional<SettingsDamaged> damaged = LoadAllSettings(folder.Context);
        ASSERT_TRUE(damaged) << name.toStdString() << " " << bytes.toStdString();
        ASSERT_EQ(damaged->Faults.size(), 1) << "only the file at fault is named";
        EXPECT_TRUE(damaged->Faults[0].startsWith(name + QStringLiteral(" の ") + fault)) << damaged->Faults[0].toStdString();
    }
    StoreFolder missing;
    ASSERT_TRUE(ResetToFactorySettings(missing.Context).empty());
    for (const char* name : {"KANKYOU2.REC", "KANKYOU3.REC", "KANKYOU4.REC", "KANKYOUB.REC"})
        QFile::remove(missing.Path(QLatin1String(name)));
    const std::optional<SettingsDamaged> damaged = LoadAllSettings(missing.Context);
    ASSERT_TRUE(damaged);
    EXPECT_EQ(damaged->Faults, (QStringList{"KANKYOU2.REC がありません。", "KANKYOU3.REC がありません。", "KANKYOU4.REC がありません。",
                                            "KANKYOUB.REC がありません。"}))
        << "a first start killed during the reset";
}

TEST(SettingsStore, ABrokenValueNamesItsFileAndTheResetKeepsEveryOldFileAside)
{
    StoreFolder folder;
    folder.Context.Now = [] { return QDateTime(QDate(2026, 12, 7), QTime(14, 20, 5)); };
    folder.Context.Settings = EditedSettings(folder.Dir.path());
    ASSERT_TRUE(Saved(SaveBasicSettings(folder.Context)) && Saved(SaveScreenSettings(folder.Context)) &&
                Saved(SaveSoundSettings(folder.Context)) && Saved(SaveEffectSettings(folder.Context)) &&
                Saved(SaveMicSettings(folder.Context)));
    QByteArray screen = folder.Read(QStringLiteral("KANKYOU2.REC"));
    screen.replace("\r\n197121\r\n", "\r\n16777216\r\n");
    folder.Write(QStringLiteral("KANKYOU2.REC"), screen);
    std::map<QString, QByteArray> before;
    for (const QString& name : SettingsFiles)
        before[name] = folder.Read(name);

    const std::optional<SettingsDamaged> damaged = LoadAllSettings(folder.Context);
    ASSERT_TRUE(damaged);
    EXPECT_EQ(damaged->Faults, QStringList{"KANKYOU2.REC の 3行目「16777216」は使えない値です。"});
    ASSERT_TRUE(ResetToFactorySettings(folder.Context).empty());
    for (const QString& name : SettingsFiles) {
        const QString kept = QString(name).replace(QStringLiteral(".REC"), QStringLiteral("_20261207-142005.REC"));
        EXPECT_EQ(folder.Read(kept), before[name]) << kept.toStdString();
    }
    EXPECT_EQ(folder.Context.Settings.Effect, EffectSettings::Factory());
    EXPECT_EQ(folder.Read(QStringLiteral("KANKYOUB.REC")), QByteArray("10\r\n0\r\n"));

    ASSERT_TRUE(ResetToFactorySettings(folder.Context).empty());
    EXPECT_EQ(folder.Read(QStringLiteral("KANKYOUB_20261207-142005-1.REC")), QByteArray("10\r\n0\r\n"))
        << "a second reset in the same second keeps the first copies";
    EXPECT_EQ(folder.Read(QStringLiteral("KANKYOUB_20261207-142005.REC")), before[QStringLiteral("KANKYOUB.REC")]);
}

TEST(SettingsStore, OnlyTheLinesOfAFileAreReadWhateverFollowsThem)
{
    StoreFolder folder;
    folder.Write(QStringLiteral("KANKYOUB.REC"), QByteArray("55\r\n2\r\n") + QByteArray(8 * 1024 * 1024, 'j'));
    LoadMicSettings(folder.Context);
    EXPECT_EQ(folder.Context.Settings.Mic, (MicSettings{55, RecordingQuality::High}));
    folder.Write(QStringLiteral("KANKYOUB.REC"), QByteArray(8 * 1024 * 1024, '5'));
    LoadMicSettings(folder.Context);
    EXPECT_EQ(folder.Context.Settings.Mic, (MicSettings{55, RecordingQuality::High})) << "an endless first line is no value";
}

TEST(SettingsStore, AMissingFileIsNamedWithNothingToKeepAndNothingIsWritten)
{
    StoreFolder folder;
    const std::optional<SettingsDamaged> damaged = LoadBasicSettings(folder.Context);
    ASSERT_TRUE(damaged);
    EXPECT_EQ(damaged->Faults, QStringList{"KANKYOU1.REC がありません。"});
    EXPECT_FALSE(damaged->KeepsFiles);
    ExpectNoSettingsFiles(folder);
}

TEST(SettingsStore, AFailedSaveReportsAndLeavesTheOldFile)
{
    StoreFolder folder;
    folder.Context.Settings.Screen = ScreenSettings::Factory();
    ASSERT_TRUE(Saved(SaveScreenSettings(folder.Context)));
    const QByteArray before = folder.Read(QStringLiteral("KANKYOU2.REC"));

    folder.Context.Settings.Screen.BandText[2] = QStringLiteral("いくよ😀");
    EXPECT_FALSE(Saved(SaveScreenSettings(folder.Context)));
    EXPECT_EQ(folder.Read(QStringLiteral("KANKYOU2.REC")), before);
    EXPECT_EQ(folder.Context.Settings.Screen.BandText[2], QStringLiteral("いくよ😀"));

    ASSERT_TRUE(QDir(folder.Dir.path()).mkdir(QStringLiteral("KANKYOUB.REC")));
    const std::optional<SettingsNotWritten> failure = SaveMicSettings(folder.Context);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->Path, folder.Path(QStringLiteral("KANKYOUB.REC")));
    const QStringList leftovers = QDir(folder.Dir.path()).entryList(QDir::Files);
    EXPECT_EQ(leftovers, QStringList{QStringLiteral("KANKYOU2.REC")}) << "no temporary file is left behind";
}

TEST(SettingsStore, AResetGoesOnPastAGroupThatCannotBeSaved)
{
    StoreFolder folder;
    ASSERT_TRUE(QDir(folder.Dir.path()).mkdir(QStringLiteral("KANKYOU2.REC")));
    const std::vector<SettingsNotWritten> notWritten = ResetToFactorySettings(folder.Context);
    ASSERT_EQ(notWritten.size(), 1u);
    EXPECT_EQ(notWritten[0].Path, folder.Path(QStringLiteral("KANKYOU2.REC")));
    EXPECT_TRUE(folder.Exists(QStringLiteral("KANKYOU3.REC")));
    EXPECT_TRUE(folder.Exists(QStringLiteral("KANKYOUB.REC")));
}

TEST(SettingsStore, FilesAreFoundWhateverTheirLetterCase)
{
    StoreFolder folder;
    folder.Write(QStringLiteral("kankyoub.rec"), "42\r\n1\r\n");
    LoadMicSettings(folder.Context);
    EXPECT_EQ(folder.Context.Settings.Mic.NoiseCutLevel, 42);
    ASSERT_TRUE(Saved(SaveMicSettings(folder.Context)));
    EXPECT_EQ(QDir(folder.Dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kankyoub.rec")});
}

TEST(FullDisk, SettingsAndTheSetupRequestReportItAndKeepTheirOldFiles)
{
    SmallFileSystem disk(96);
    SKIP_WITHOUT(disk);
    ContestState context(disk.Path());
    ASSERT_TRUE(ResetToFactorySettings(context).empty());
    ASSERT_FALSE(SaveSetupRequest(context));
    const QByteArray basic = ReadFile(context.Folder.FilePath(QStringLiteral("KANKYOU1.REC")));
    const QByteArray setup = ReadFile(context.Folder.FilePath(QStringLiteral("SKANRI.REC")));

    disk.FillLeaving(0);
    EXPECT_EQ(ResetToFactorySettings(context).size(), 5u);
    context.Contest.SetupRequest = true;
    EXPECT_TRUE(SaveSetupRequest(context));
    EXPECT_EQ(ReadFile(context.Folder.FilePath(QStringLiteral("KANKYOU1.REC"))), basic);
    EXPECT_EQ(ReadFile(context.Folder.FilePath(QStringLiteral("SKANRI.REC"))), setup);
}
