#include "core/SettingsFileFormat.h"
#include "core/SettingsStore.h"

#include "core/Cp932.h"
#include "core/SetupRequest.h"
#include "support/SmallFileSystem.h"
#include "support/TestFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <map>

namespace {

const QStringList SettingsFiles = {QStringLiteral("KANKYOU1.REC"), QStringLiteral("KANKYOU2.REC"), QStringLiteral("KANKYOU3.REC"),
                                   QStringLiteral("KANKYOU4.REC"), QStringLiteral("KANKYOUB.REC")};
const QString KeptNote = QStringLiteral("今の設定ファイルは、名前に日時を付けて残します。");

// The broken-settings message naming these faults; existing files are kept.
QString BrokenMessage(const QStringList& faults, bool keeps = true)
{
    return (QStringList{QStringLiteral("環境設定データが不正です!")} + faults + QStringList{QStringLiteral("出荷時に戻します。")} +
            (keeps ? QStringList{KeptNote} : QStringList{}))
        .join(u'\n');
}
const QString ResetQuestion = QStringLiteral("環境設定を初期値に戻します。");
const QString SaveFailure = QStringLiteral("管理データの書き込みができません！");

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Cp932(const QString& text)
{
    return *EncodeCp932(text);
}

void ExpectNoSettingsFiles(const TestFolder& folder)
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
    TestFolder folder;
    folder.Messages.Answer(MessageAnswer::Yes);
    ASSERT_TRUE(ResetToFactorySettings(folder.Context));

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
    EXPECT_EQ(folder.Messages.Texts(), std::vector<QString>{ResetQuestion});
    EXPECT_EQ(folder.Messages.Messages[0].Icon, MessageIcon::None);
    EXPECT_EQ(folder.Messages.Messages[0].Buttons, MessageButtons::YesNo);
}

TEST(SettingsStore, AllGroupsRoundTripThroughTheirFiles)
{
    TestFolder folder;
    const SettingsRecord edited = EditedSettings(folder.Dir.path());
    folder.Context.Settings = edited;
    ASSERT_TRUE(SaveBasicSettings(folder.Context));
    ASSERT_TRUE(SaveScreenSettings(folder.Context));
    ASSERT_TRUE(SaveSoundSettings(folder.Context));
    ASSERT_TRUE(SaveEffectSettings(folder.Context));
    ASSERT_TRUE(SaveMicSettings(folder.Context));
    EXPECT_TRUE(folder.Read(QStringLiteral("KANKYOU1.REC")).endsWith("\r\n-5\r\n"));
    EXPECT_TRUE(folder.Read(QStringLiteral("KANKYOU2.REC")).startsWith("#TRUE#\r\n4227072\r\n197121\r\n394500\r\n"));

    folder.Context.Settings = SettingsRecord();
    EXPECT_TRUE(LoadBasicSettings(folder.Context));
    LoadScreenSettings(folder.Context);
    LoadSoundSettings(folder.Context);
    LoadEffectSettings(folder.Context);
    LoadMicSettings(folder.Context);
    EXPECT_EQ(folder.Context.Settings.Basic, edited.Basic);
    EXPECT_EQ(folder.Context.Settings.Screen, edited.Screen);
    EXPECT_EQ(folder.Context.Settings.Sound, edited.Sound);
    EXPECT_EQ(folder.Context.Settings.Effect, edited.Effect);
    EXPECT_EQ(folder.Context.Settings.Mic, edited.Mic);
    EXPECT_TRUE(folder.Messages.Messages.empty());
}

TEST(SettingsStore, SilentLoadersKeepWhatTheyReadBeforeAnError)
{
    TestFolder folder;
    SettingsRecord& settings = folder.Context.Settings;
    settings.Sound.SoundEnabled.fill(false);
    settings.Sound.RankSoundFromEntry = 77;
    folder.Write(QStringLiteral("KANKYOU3.REC"),
                 "\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n\"e\"\r\n\"f\"\r\n\"g\"\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n");
    LoadSoundSettings(folder.Context);
    EXPECT_EQ(settings.Sound.SoundFile[6], QStringLiteral("g"));
    EXPECT_EQ(settings.Sound.SoundEnabled, (std::array<bool, 7>{true, true, true, false, false, false, false}));
    EXPECT_EQ(settings.Sound.RankSoundFromEntry, 77);

    settings.Mic = {33, RecordingQuality::Middle};
    folder.Write(QStringLiteral("KANKYOUB.REC"), "20\r\n\"2\"\r\n");
    LoadMicSettings(folder.Context);
    EXPECT_EQ(settings.Mic.NoiseCutLevel, 20);
    EXPECT_EQ(settings.Mic.Quality, RecordingQuality::Middle);

    settings.Screen = ScreenSettings::Factory();
    folder.Write(QStringLiteral("KANKYOU2.REC"), "#TRUE#\r\n1\r\n2\r\n3\r\n4\r\n5\r\n\"\x82\"\r\n");
    LoadScreenSettings(folder.Context);
    EXPECT_TRUE(settings.Screen.FullGaugeLayout);
    EXPECT_EQ(settings.Screen.ResultForeColor, 5);
    EXPECT_EQ(settings.Screen.ResultFontName, QStringLiteral("ＭＳ ゴシック"));

    settings.Effect.BlinkInterval = 9;
    LoadEffectSettings(folder.Context);
    EXPECT_EQ(settings.Effect.BlinkInterval, 9);
    EXPECT_TRUE(folder.Messages.Messages.empty());
}

TEST(SettingsStore, BrokenBasicSettingsLeadToTheResetQuestion)
{
    const std::vector<std::pair<QByteArray, QString>> rows = {
        {"40000\r\n#TRUE#\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n0\r\n", "KANKYOU1.REC の 1行目「40000」は使えない値です。"},
        {"\"3\"\r\n#TRUE#\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n0\r\n", "KANKYOU1.REC の 1行目「\"3\"」は使えない値です。"},
        {"3\r\n#TRUE#\r\n#TRUE#\r\n", "KANKYOU1.REC の 4行目がありません。"},
        {"3\r\n#TRUE#\r\n\x82\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n0\r\n", "KANKYOU1.REC の 3行目「?」は使えない値です。"},
    };
    for (const auto& [broken, fault] : rows) {
        TestFolder folder;
        folder.Write(QStringLiteral("KANKYOU1.REC"), broken);
        folder.Messages.Answer(MessageAnswer::Yes);
        EXPECT_TRUE(LoadBasicSettings(folder.Context));
        EXPECT_EQ(folder.Messages.Texts(), (std::vector<QString>{BrokenMessage({fault}), ResetQuestion})) << broken.toStdString();
        EXPECT_EQ(folder.Messages.Messages[0].Icon, MessageIcon::Error);
        EXPECT_EQ(folder.Context.Settings.Basic, BasicSettings::Factory());
        EXPECT_EQ(folder.Read(QStringLiteral("KANKYOU1.REC")).left(3), QByteArray("3\r\n"));
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
        TestFolder folder;
        folder.Messages.Answer(MessageAnswer::Yes);
        ASSERT_TRUE(ResetToFactorySettings(folder.Context));
        folder.Messages.Messages.clear();
        folder.Write(name, bytes);
        folder.Messages.Answer(MessageAnswer::Yes);
        EXPECT_TRUE(LoadAllSettings(folder.Context));
        const std::vector<QString> texts = folder.Messages.Texts();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_TRUE(texts[0].contains(u'\n' + name + QStringLiteral(" の ") + fault)) << texts[0].toStdString();
        EXPECT_EQ(texts[0].count(QStringLiteral(".REC")), 1) << "only the file at fault is named";
        EXPECT_EQ(texts[1], ResetQuestion);
    }
    TestFolder missing;
    missing.Messages.Answer(MessageAnswer::Yes);
    ASSERT_TRUE(ResetToFactorySettings(missing.Context));
    for (const char* name : {"KANKYOU2.REC", "KANKYOU3.REC", "KANKYOU4.REC", "KANKYOUB.REC"})
        QFile::remove(missing.Path(QLatin1String(name)));
    missing.Messages.Messages.clear();
    missing.Messages.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(LoadAllSettings(missing.Context));
    EXPECT_EQ(missing.Messages.Texts(),
              (std::vector<QString>{BrokenMessage({"KANKYOU2.REC がありません。", "KANKYOU3.REC がありません。", "KANKYOU4.REC がありません。",
                                                   "KANKYOUB.REC がありません。"}),
                                    ResetQuestion}))
        << "a first start killed during the reset";
    EXPECT_EQ(missing.Context.Settings.Screen, ScreenSettings::Factory());
}

TEST(SettingsStore, ABrokenValueNamesItsFileAndTheResetKeepsEveryOldFileAside)
{
    TestFolder folder;
    folder.Context.Now = [] { return QDateTime(QDate(2026, 12, 7), QTime(14, 20, 5)); };
    folder.Context.Settings = EditedSettings(folder.Dir.path());
    ASSERT_TRUE(SaveBasicSettings(folder.Context) && SaveScreenSettings(folder.Context) && SaveSoundSettings(folder.Context) &&
                SaveEffectSettings(folder.Context) && SaveMicSettings(folder.Context));
    QByteArray screen = folder.Read(QStringLiteral("KANKYOU2.REC"));
    screen.replace("\r\n197121\r\n", "\r\n16777216\r\n");
    folder.Write(QStringLiteral("KANKYOU2.REC"), screen);
    std::map<QString, QByteArray> before;
    for (const QString& name : SettingsFiles)
        before[name] = folder.Read(name);

    folder.Messages.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(LoadAllSettings(folder.Context));
    EXPECT_EQ(folder.Messages.Texts().front(), BrokenMessage({"KANKYOU2.REC の 3行目「16777216」は使えない値です。"}));
    for (const QString& name : SettingsFiles) {
        const QString kept = QString(name).replace(QStringLiteral(".REC"), QStringLiteral("_20261207-142005.REC"));
        EXPECT_EQ(folder.Read(kept), before[name]) << kept.toStdString();
    }
    EXPECT_EQ(folder.Context.Settings.Effect, EffectSettings::Factory());
    EXPECT_EQ(folder.Read(QStringLiteral("KANKYOUB.REC")), QByteArray("10\r\n0\r\n"));

    folder.Messages.Answer(MessageAnswer::Yes);
    ASSERT_TRUE(ResetToFactorySettings(folder.Context));
    EXPECT_EQ(folder.Read(QStringLiteral("KANKYOUB_20261207-142005-1.REC")), QByteArray("10\r\n0\r\n"))
        << "a second reset in the same second keeps the first copies";
    EXPECT_EQ(folder.Read(QStringLiteral("KANKYOUB_20261207-142005.REC")), before[QStringLiteral("KANKYOUB.REC")]);
}

TEST(SettingsStore, OnlyTheLinesOfAFileAreReadWhateverFollowsThem)
{
    TestFolder folder;
    folder.Write(QStringLiteral("KANKYOUB.REC"), QByteArray("55\r\n2\r\n") + QByteArray(8 * 1024 * 1024, 'j'));
    LoadMicSettings(folder.Context);
    EXPECT_EQ(folder.Context.Settings.Mic, (MicSettings{55, RecordingQuality::High}));
    folder.Write(QStringLiteral("KANKYOUB.REC"), QByteArray(8 * 1024 * 1024, '5'));
    LoadMicSettings(folder.Context);
    EXPECT_EQ(folder.Context.Settings.Mic, (MicSettings{55, RecordingQuality::High})) << "an endless first line is no value";
}

TEST(SettingsStore, AnsweringNoEndsTheProgramWithoutWritingAnything)
{
    TestFolder folder;
    folder.Messages.Answer(MessageAnswer::No);
    EXPECT_FALSE(LoadBasicSettings(folder.Context));
    EXPECT_TRUE(folder.Context.EndRequested());
    EXPECT_EQ(folder.Messages.Texts(), (std::vector<QString>{BrokenMessage({"KANKYOU1.REC がありません。"}, false), ResetQuestion}));
    ExpectNoSettingsFiles(folder);
}

TEST(SettingsStore, AFailedSaveReportsAndLeavesTheOldFile)
{
    TestFolder folder;
    folder.Context.Settings.Screen = ScreenSettings::Factory();
    ASSERT_TRUE(SaveScreenSettings(folder.Context));
    const QByteArray before = folder.Read(QStringLiteral("KANKYOU2.REC"));

    folder.Context.Settings.Screen.BandText[2] = QStringLiteral("いくよ😀");
    EXPECT_FALSE(SaveScreenSettings(folder.Context));
    EXPECT_EQ(folder.Read(QStringLiteral("KANKYOU2.REC")), before);
    EXPECT_EQ(folder.Context.Settings.Screen.BandText[2], QStringLiteral("いくよ😀"));

    ASSERT_TRUE(QDir(folder.Dir.path()).mkdir(QStringLiteral("KANKYOUB.REC")));
    EXPECT_FALSE(SaveMicSettings(folder.Context));
    EXPECT_EQ(folder.Messages.Texts(), (std::vector<QString>{SaveFailure, SaveFailure}));
    EXPECT_EQ(folder.Messages.Messages[1].Icon, MessageIcon::Error);
    const QStringList leftovers = QDir(folder.Dir.path()).entryList(QDir::Files);
    EXPECT_EQ(leftovers, QStringList{QStringLiteral("KANKYOU2.REC")}) << "no temporary file is left behind";
}

TEST(SettingsStore, AResetGoesOnPastAGroupThatCannotBeSaved)
{
    TestFolder folder;
    ASSERT_TRUE(QDir(folder.Dir.path()).mkdir(QStringLiteral("KANKYOU2.REC")));
    folder.Messages.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(ResetToFactorySettings(folder.Context));
    EXPECT_EQ(folder.Messages.Texts(), (std::vector<QString>{ResetQuestion, SaveFailure}));
    EXPECT_TRUE(folder.Exists(QStringLiteral("KANKYOU3.REC")));
    EXPECT_TRUE(folder.Exists(QStringLiteral("KANKYOUB.REC")));
}

TEST(SettingsStore, FilesAreFoundWhateverTheirLetterCase)
{
    TestFolder folder;
    folder.Write(QStringLiteral("kankyoub.rec"), "42\r\n1\r\n");
    LoadMicSettings(folder.Context);
    EXPECT_EQ(folder.Context.Settings.Mic.NoiseCutLevel, 42);
    ASSERT_TRUE(SaveMicSettings(folder.Context));
    EXPECT_EQ(QDir(folder.Dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kankyoub.rec")});
}

TEST(FullDisk, SettingsAndTheSetupRequestReportItAndKeepTheirOldFiles)
{
    SmallFileSystem disk(96);
    SKIP_WITHOUT(disk);
    ScriptedMessageBox messages;
    ContestState context(disk.Path(), messages);
    messages.Answer(MessageAnswer::Yes);
    ASSERT_TRUE(ResetToFactorySettings(context));
    ASSERT_TRUE(SaveSetupRequest(context));
    const QByteArray basic = ReadFile(context.Folder.FilePath(QStringLiteral("KANKYOU1.REC")));
    const QByteArray setup = ReadFile(context.Folder.FilePath(QStringLiteral("SKANRI.REC")));
    messages.Messages.clear();

    disk.FillLeaving(0);
    messages.Answer(MessageAnswer::Yes);
    ResetToFactorySettings(context);
    context.Contest.SetupRequest = true;
    EXPECT_FALSE(SaveSetupRequest(context));
    EXPECT_EQ(messages.Texts(), (std::vector<QString>{ResetQuestion, SaveFailure, SaveFailure, SaveFailure, SaveFailure, SaveFailure,
                                                      QStringLiteral("ファイル書こみエラーです。(SKANRI.REC)\nディスクやファイル属性を確認してください！")}));
    EXPECT_EQ(ReadFile(context.Folder.FilePath(QStringLiteral("KANKYOU1.REC"))), basic);
    EXPECT_EQ(ReadFile(context.Folder.FilePath(QStringLiteral("SKANRI.REC"))), setup);
}
