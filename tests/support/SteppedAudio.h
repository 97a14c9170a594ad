#pragma once

#include "audio/MeasurementAudio.h"
#include "core/ContestState.h"
#include "support/EventWaits.h"

// The sound side of a measurement taken one recording step at a time, each
// step's pauses waited for here, as the tests of the audio layer take it.
class SteppedAudio : public MeasurementAudio {
public:
    explicit SteppedAudio(ContestState& context, std::unique_ptr<SoundRecorder> recorder = {}, WaitClock& clock = SystemClock())
        : MeasurementAudio(context, clock, std::move(recorder)), Context(context), Clock(clock)
    {
    }

    // Step 1 takes the entry number and the settings in force now.
    AudioStep RecordingStep(int step)
    {
        FollowPaced(step == 1 ? Prepare(NextTake(Context)) : step == 2 ? Start() : Finish(), Clock);
        return Report();
    }

private:
    ContestState& Context;
    WaitClock& Clock;
};
