#include "widgets/OperatorMessages.h"

#include "core/MciErrorText.h"
#include "core/ResultStore.h"
#include "support/ScriptedMessageBox.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct Row {
    const char* Failure;
    std::function<void(MessageBoxService&)> Report;
    QString Text;
    MessageIcon Icon;
    QString Title;
};

template <class Failure>
std::function<void(MessageBoxService&)> Reporting(Failure failure)
{
    return [failure](MessageBoxService& messages) { Report(messages, failure); };
}

const QString CheckFolder = QStringLiteral("\nフォルダおよびファイルを確認してください！");

}

TEST(OperatorMessages, EachFailureIsToldWithItsTextIconAndTitle)
{
    const QString record = QStringLiteral("record mysound from 0 to 3000 overwrite");
    const std::vector<Row> rows = {
        {"ContestFileUnreadable", Reporting(ContestFileUnreadable{QStringLiteral("/大会/loudlog.dat")}),
         QStringLiteral("測定ログが読めないか、壊れています。(%1)").arg(QDir::toNativeSeparators(QStringLiteral("/大会/loudlog.dat"))) + CheckFolder,
         MessageIcon::Error, {}},
        {"EntrantUnreadable", Reporting(EntrantUnreadable{-32768}), QStringLiteral("データが不正です！(-32768)"), MessageIcon::Error, {}},
        {"LogNotCleared", Reporting(LogNotCleared{}), QStringLiteral("ﾛｸﾞのｸﾘｱができません！"), MessageIcon::Error, {}},
        {"LogWriteFailed", Reporting(LogWriteFailed{}), QStringLiteral("ﾛｸﾞﾌｧｨﾙ書込時にｴﾗｰがでました！"), MessageIcon::Error, {}},
        {"SettingsNotWritten", Reporting(SettingsNotWritten{}), QStringLiteral("管理データの書き込みができません！"), MessageIcon::Error, {}},
        {"SettingsDamaged kept", Reporting(SettingsDamaged{{QStringLiteral("KANKYOU2.REC の 3行目「x」は使えない値です。"), QStringLiteral("KANKYOUB.REC がありません。")}, true}),
         QStringLiteral("環境設定データが不正です!\nKANKYOU2.REC の 3行目「x」は使えない値です。\nKANKYOUB.REC がありません。\n出荷時に戻します。\n"
                        "今の設定ファイルは、名前に日時を付けて残します。"),
         MessageIcon::Error, {}},
        {"SettingsDamaged none kept", Reporting(SettingsDamaged{{QStringLiteral("KANKYOU1.REC がありません。")}, false}),
         QStringLiteral("環境設定データが不正です!\nKANKYOU1.REC がありません。\n出荷時に戻します。"), MessageIcon::Error, {}},
        {"ReportSettingsDamaged", Reporting(ReportSettingsDamaged{}), QStringLiteral("レポート設定ファィル不正です！"), MessageIcon::Error, {}},
        {"PrinterNameNotStorable", Reporting(PrinterNameNotStorable{}), QStringLiteral("このプリンター名は登録できません！"),
         MessageIcon::Warning, {}},
        {"ReportSettingsNotWritten", Reporting(ReportSettingsNotWritten{}), QStringLiteral("レポート設定ファイルが不正です。"),
         MessageIcon::Warning, {}},
        {"RecordingUnreadable", Reporting(RecordingUnreadable{7}), QStringLiteral("音声データが不正です。(7)") + CheckFolder,
         MessageIcon::Warning, {}},
        {"RosterDamaged", Reporting(RosterDamaged{QStringLiteral("/大会/entrants.csv"), 3}),
         QStringLiteral("名簿ファイルが読めないか、壊れています。(%1 3行目)\n名前を表示せず、番号だけを表示します。")
             .arg(QDir::toNativeSeparators(QStringLiteral("/大会/entrants.csv"))),
         MessageIcon::Warning, {}},
        {"SettingsOutsideLimits", Reporting(SettingsOutsideLimits{QStringLiteral("/大会/KANKYOU1.REC")}),
         QStringLiteral("環境設定データが不正です。(%1)\n測定を始めることはできません。設定を確認してください！")
             .arg(QDir::toNativeSeparators(QStringLiteral("/大会/KANKYOU1.REC"))),
         MessageIcon::Error, {}},
        {"MeasurementLogUnreadable", Reporting(MeasurementLogUnreadable{QStringLiteral("/大会/loudlog.dat")}),
         QStringLiteral("測定ログが読めないか、壊れています。(%1)\n測定を始めることはできません。")
                 .arg(QDir::toNativeSeparators(QStringLiteral("/大会/loudlog.dat"))) + CheckFolder.mid(1),
         MessageIcon::Error, {}},
        {"TestRecordingMismatch", Reporting(TestRecordingMismatch{}), QStringLiteral("データが不一致です！"), MessageIcon::Error,
         QStringLiteral("録音データファイルの不正")},
        {"SetupRequestUnreadable", Reporting(SetupRequestUnreadable{}), QStringLiteral("データが不正です。(SKANRI)"), MessageIcon::Warning, {}},
        {"SetupRequestNotWritten", Reporting(SetupRequestNotWritten{}),
         QStringLiteral("ファイル書こみエラーです。(SKANRI.REC)\nディスクやファイル属性を確認してください！"), MessageIcon::Error, {}},
        {"DeviceFailed", Reporting(AudioFailure(DeviceFailed{MciFileNotFound, QStringLiteral("open xx0099.wav alias mysound type waveaudio")})),
         *MciErrorText(MciFileNotFound) + QStringLiteral(" (275)(open xx0099.wav alias mysound type waveaudio)"), MessageIcon::Error,
         QStringLiteral("Error")},
        {"DeviceFailed without a microphone", Reporting(AudioFailure(DeviceFailed{MciWaveInputsUnsuitable, record})),
         *MciErrorText(MciWaveInputsUnsuitable) + QStringLiteral(" (328)(") + record +
             QStringLiteral(")\nマイクが接続されていない（または、マイクが機能していない)可能性があります。"),
         MessageIcon::Error, QStringLiteral("Error")},
        {"SoundServerUnreachable", Reporting(AudioFailure(SoundServerUnreachable{})),
         QStringLiteral("サウンドサーバーに接続できません。\n音声サービス（PulseAudio または PipeWire）が動いているか確認してください。"),
         MessageIcon::Error, QStringLiteral("Error")},
        {"DeviceFailed with an unknown code", Reporting(AudioFailure(DeviceFailed{9999, QStringLiteral("stop mysound")})),
         QStringLiteral("Error (文字列が取れません) (9999)(stop mysound)"), MessageIcon::Error, QStringLiteral("Error")},
        {"RecordingNotRepaired", Reporting(AudioFailure(RecordingNotRepaired{})), QStringLiteral("音声ファイルエラー!\n再起動してください！"),
         MessageIcon::Error, {}},
        {"FolderLost", Reporting(AudioFailure(FolderLost{3})), QStringLiteral("動作エラー！( 3)"), MessageIcon::Error, {}},
        {"RecordingFolderUnusable", Reporting(AudioFailure(RecordingFolderUnusable{})),
         QStringLiteral("グラフデータ保存フォルダが正しくありません！"), MessageIcon::Error, {}},
        {"TemplateUnsuitable", Reporting(AudioFailure(TemplateUnsuitable{QStringLiteral("mksrc16.wav")})),
         QStringLiteral("録音用のひな形ファイルが正しくありません。(mksrc16.wav)\n測定音質に合ったファイルを置き直してください！"), MessageIcon::Error, {}},
        {"EarlierRecordingNotKept", Reporting(AudioFailure(EarlierRecordingNotKept{QStringLiteral("xx0007.wav")})),
         QStringLiteral("前の録音ファイルを退避できません。(xx0007.wav)") + CheckFolder, MessageIcon::Error, {}},
    };
    for (const Row& row : rows) {
        ScriptedMessageBox messages;
        row.Report(messages);
        ASSERT_EQ(messages.Messages.size(), 1u) << row.Failure;
        const ScriptedMessageBox::Shown& shown = messages.Messages[0];
        EXPECT_EQ(shown.Text, row.Text) << row.Failure;
        EXPECT_EQ(shown.Icon, row.Icon) << row.Failure;
        EXPECT_EQ(shown.Title, row.Title) << row.Failure;
        EXPECT_EQ(shown.Buttons, MessageButtons::Ok) << row.Failure;
    }
}

TEST(OperatorMessages, AStepIsToldFailureByFailureAndSucceedsOnlyWhenDone)
{
    ScriptedMessageBox messages;
    EXPECT_TRUE(Succeeded(messages, AudioStep{true, {AudioFailure(DeviceFailed{MciHardwareError, QStringLiteral("close mysound")})}}));
    EXPECT_FALSE(Succeeded(messages, AudioStep{false, {RecordingNotRepaired{}, FolderLost{2}}}));
    EXPECT_TRUE(Succeeded(messages, std::optional<LogNotCleared>()));
    const std::variant<LoadedEntrant, UnusedRecord, EntrantUnreadable> unused = UnusedRecord{};
    EXPECT_FALSE(ValueOrReport<LoadedEntrant>(messages, unused)) << "an unused record, silently";
    EXPECT_EQ(messages.Texts().size(), 3u);
    EXPECT_EQ(messages.Texts()[2], QStringLiteral("動作エラー！( 2)")) << "in the order they happened";
}
