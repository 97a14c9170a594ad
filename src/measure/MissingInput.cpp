#include "measure/MissingInput.h"

std::optional<QString> MissingInputMessage(const std::function<AudioInputList()>& listInputs, const QByteArray& chosen)
{
    if (chosen.isEmpty())
        return std::nullopt;
    // Without a server the run itself says so; the input is not to blame.
    const AudioInputList inputs = listInputs();
    if (inputs.ServerMissing || !ResolveAudioInput(inputs, chosen).Missing)
        return std::nullopt;
    // Named as the microphone window names a missing input.
    return QStringLiteral("マイク「%1」が見つかりません。\nマイクの接続を確認するか、マイク設定で入力を選んでください。")
        .arg(QString::fromUtf8(chosen));
}
