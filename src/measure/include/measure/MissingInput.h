#pragma once

#include "audio/AudioDevices.h"
#include "core/RunRefusals.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// The refusal to record when the chosen input (`chosen`, the server's
// name of it) is not among the inputs the server offers, so that nothing is
// recorded from another input in its place; none while it is offered or the
// default input is chosen, nor when no sound server answers. The inputs are
// listed only for a chosen one.
std::optional<AudioInputMissing> MissingInput(const std::function<AudioInputList()>& listInputs, const QByteArray& chosen);
