#pragma once

#include "core/AudioFailure.h"

// A recording step that went through without any failure.
inline bool Clean(const AudioStep& step)
{
    return step.Done && step.Failures.empty();
}

using AudioFailures = std::vector<AudioFailure>;

// A recording step that did not go through, for these failures.
inline AudioStep Failed(AudioFailures failures)
{
    return {false, std::move(failures)};
}
