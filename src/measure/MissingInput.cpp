#include "measure/MissingInput.h"

std::optional<AudioInputMissing> MissingInput(const std::function<AudioInputList()>& listInputs, const QByteArray& chosen)
{
    if (chosen.isEmpty())
        return std::nullopt;
    // Without a server the run itself says so; the input is not to blame.
    const AudioInputList inputs = listInputs();
    if (inputs.ServerMissing || !ResolveAudioInput(inputs, chosen).Missing)
        return std::nullopt;
    return AudioInputMissing{QString::fromUtf8(chosen)};
}
