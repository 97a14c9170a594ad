#include "core/MciErrorText.h"

std::optional<QString> MciErrorText(int32_t code)
{
    switch (code) {
    case MciEmptyCommand:
        return QStringLiteral("コマンド文字列が指定されていません");
    case MciSuccess:
        return QStringLiteral("指定されたコマンドは正常に実行されました。");
    case MciUnrecognizedKeyword:
        return QStringLiteral("指定されたコマンドに認識できないパラメータがあります。");
    case MciHardwareError:
        return QStringLiteral("デバイスでハードウェア エラーが発生しました。デバイスが正しく動作しているか確認してください。");
    case MciUnrecognizedCommand:
        return QStringLiteral("指定されたコマンドは認識できません。");
    case MciInvalidDeviceName:
        return QStringLiteral("指定されたデバイスは開かれていないか、MCI で認識できません。");
    case MciDeviceOpen:
        return QStringLiteral("デバイスは既に開かれています。別のエイリアスを使うか、先にデバイスを閉じてください。");
    case MciMissingStringArgument:
        return QStringLiteral("指定されたコマンドに文字列の値がありません。");
    case MciBadInteger:
        return QStringLiteral("コマンドの整数の値が正しくありません。");
    case MciMissingParameter:
        return QStringLiteral("指定されたコマンドにはパラメータが必要です。");
    case MciFileNotFound:
        return QStringLiteral("指定されたファイルが見つかりません。パスとファイル名が正しいか確認してください。");
    case MciOutOfRange:
        return QStringLiteral("指定されたパラメータの値は、このコマンドの範囲を超えています。");
    case MciFileNotSaved:
        return QStringLiteral("ファイルは保存されませんでした。ディスクの空き容量と書き込みできるフォルダかを確認してください。");
    case MciDuplicateAlias:
        return QStringLiteral("指定されたエイリアスは既にこのアプリケーションで使われています。");
    case MciMissingDeviceName:
        return QStringLiteral("デバイス名が指定されていません。");
    case MciNoClosingQuote:
        return QStringLiteral("引用符が閉じられていません。");
    case MciInvalidFile:
        return QStringLiteral("指定されたファイルは、このデバイスで使えない形式か壊れています。");
    case MciWaveInputsUnsuitable:
        return QStringLiteral("現在のフォーマットで録音できる録音デバイスがありません。");
    default:
        return std::nullopt;
    }
}

QString MciFailureReply(int32_t code)
{
    return MciErrorText(code).value_or(QStringLiteral("Error (文字列が取れません)"));
}
