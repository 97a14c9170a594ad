#include "widgets/OperatorMessages.h"

#include "core/MciErrorText.h"

#include <QDir>

namespace {

OperatorMessage Error(const QString& text)
{
    return {text, QString(), MessageIcon::Error};
}

struct AudioMessage {
    OperatorMessage operator()(const DeviceFailed& failure) const
    {
        QString text = MciFailureReply(failure.Code) + QStringLiteral(" (") + QString::number(failure.Code) +
                       QStringLiteral(")(") + failure.Command + QLatin1Char(')');
        if (failure.Code == MciWaveInputsUnsuitable)
            text += QStringLiteral("\nマイクが接続されていない（または、マイクが機能していない)可能性があります。");
        return {text, QStringLiteral("Error"), MessageIcon::Error};
    }
    OperatorMessage operator()(const RecordingNotRepaired&) const
    {
        return Error(QStringLiteral("音声ファイルエラー!\n再起動してください！"));
    }
    OperatorMessage operator()(const FolderLost& failure) const
    {
        return Error(QStringLiteral("動作エラー！( ") + QString::number(failure.Step) + QLatin1Char(')'));
    }
    OperatorMessage operator()(const RecordingFolderUnusable&) const
    {
        return Error(QStringLiteral("グラフデータ保存フォルダが正しくありません！"));
    }
    OperatorMessage operator()(const TemplateUnsuitable& failure) const
    {
        return Error(QStringLiteral("録音用のひな形ファイルが正しくありません。(%1)\n"
                                    "測定音質に合ったファイルを置き直してください！")
                         .arg(failure.TemplateName));
    }
    OperatorMessage operator()(const SoundServerUnreachable&) const
    {
        return {QStringLiteral("サウンドサーバーに接続できません。\n"
                               "音声サービス（PulseAudio または PipeWire）が動いているか確認してください。"),
                QStringLiteral("Error"), MessageIcon::Error};
    }
    OperatorMessage operator()(const EarlierRecordingNotKept& failure) const
    {
        return Error(QStringLiteral("前の録音ファイルを退避できません。(%1)\nフォルダおよびファイルを確認してください！")
                         .arg(failure.FileName));
    }
};

}

OperatorMessage MessageFor(const ContestFileUnreadable& failure)
{
    return Error(QStringLiteral("測定ログが読めないか、壊れています。(%1)\n"
                                "フォルダおよびファイルを確認してください！")
                     .arg(QDir::toNativeSeparators(failure.Path)));
}

OperatorMessage MessageFor(const EntrantUnreadable& failure)
{
    return Error(QStringLiteral("データが不正です！(%1)").arg(failure.EntryNo));
}

OperatorMessage MessageFor(const RecordingUnreadable& failure)
{
    return {QStringLiteral("音声データが不正です。(%1)\nフォルダおよびファイルを確認してください！").arg(failure.EntryNo), QString(),
            MessageIcon::Warning};
}

OperatorMessage MessageFor(const RecordingNotPlayable& failure)
{
    return {QStringLiteral("音声データを再生できません。(%1)\nフォルダおよびファイルを確認してください！").arg(failure.EntryNo), QString(),
            MessageIcon::Warning};
}

OperatorMessage MessageFor(const ReportSettingsDamaged&)
{
    return Error(QStringLiteral("レポート設定ファィル不正です！"));
}

OperatorMessage MessageFor(const PrinterNameNotStorable&)
{
    return {QStringLiteral("このプリンター名は登録できません！"), QString(), MessageIcon::Warning};
}

OperatorMessage MessageFor(const ReportSettingsNotWritten&)
{
    return {QStringLiteral("レポート設定ファイルが不正です。"), QString(), MessageIcon::Warning};
}

OperatorMessage MessageFor(const RosterDamaged& failure)
{
    return {QStringLiteral("名簿ファイルが読めないか、壊れています。(%1 %2行目)\n名前を表示せず、番号だけを表示します。")
                .arg(QDir::toNativeSeparators(failure.File))
                .arg(failure.Line),
            QString(), MessageIcon::Warning};
}

OperatorMessage MessageFor(const LogNotCleared&)
{
    return Error(QStringLiteral("ﾛｸﾞのｸﾘｱができません！"));
}

OperatorMessage MessageFor(const EntrantLevelNotWritten& failure)
{
    return Error(QStringLiteral("音圧レベルのファイルに書き込めません！\n%1").arg(failure.Path));
}

OperatorMessage MessageFor(const EntrantLevelsDamaged& failure)
{
    const QString where = failure.Line > 0 ? QStringLiteral("（%1行目）").arg(failure.Line) : QString();
    return {QStringLiteral("音圧レベルのファイルが壊れています%1。音圧レベルは表示しません。\n%2").arg(where, failure.Path), QString(),
            MessageIcon::Warning};
}

OperatorMessage MessageFor(const LogWriteFailed&)
{
    return Error(QStringLiteral("ﾛｸﾞﾌｧｨﾙ書込時にｴﾗｰがでました！"));
}

OperatorMessage MessageFor(const SettingsNotWritten&)
{
    return Error(QStringLiteral("管理データの書き込みができません！"));
}

// One line per file at fault, so that a hand edit can be found and mended.
OperatorMessage MessageFor(const SettingsDamaged& failure)
{
    QStringList lines{QStringLiteral("環境設定データが不正です!")};
    lines << failure.Faults << QStringLiteral("出荷時に戻します。");
    if (failure.KeepsFiles)
        lines << QStringLiteral("今の設定ファイルは、名前に日時を付けて残します。");
    return Error(lines.join(u'\n'));
}

OperatorMessage MessageFor(const SetupRequestUnreadable&)
{
    return {QStringLiteral("データが不正です。(SKANRI)"), QString(), MessageIcon::Warning};
}

OperatorMessage MessageFor(const SetupRequestNotWritten&)
{
    return Error(QStringLiteral("ファイル書こみエラーです。(SKANRI.REC)\nディスクやファイル属性を確認してください！"));
}

OperatorMessage MessageFor(const AudioFailure& failure)
{
    return std::visit(AudioMessage(), failure);
}

bool Succeeded(MessageBoxService& messages, const AudioStep& step)
{
    Report(messages, step.Failures);
    return step.Done;
}

OperatorMessage MessageFor(const SettingsOutsideLimits& refusal)
{
    return Error(QStringLiteral("環境設定データが不正です。(%1)\n測定を始めることはできません。設定を確認してください！")
                     .arg(QDir::toNativeSeparators(refusal.Path)));
}

OperatorMessage MessageFor(const MeasurementLogUnreadable& refusal)
{
    return Error(QStringLiteral("測定ログが読めないか、壊れています。(%1)\n測定を始めることはできません。"
                                "フォルダおよびファイルを確認してください！")
                     .arg(QDir::toNativeSeparators(refusal.Path)));
}

OperatorMessage MessageFor(const LogFull&)
{
    return Error(QStringLiteral("エントリー№がMAX(3000人)を超えました！\nデータをクリアしてください！"));
}

// Named as the microphone settings name a missing input.
OperatorMessage MessageFor(const AudioInputMissing& refusal)
{
    return {QStringLiteral("マイク「%1」が見つかりません。\nマイクの接続を確認するか、マイク設定で入力を選んでください。").arg(refusal.Name),
            QString(), MessageIcon::Warning};
}

OperatorMessage MessageFor(const TestRecordingMismatch&)
{
    return {QStringLiteral("データが不一致です！"), QStringLiteral("録音データファイルの不正"), MessageIcon::Error};
}
