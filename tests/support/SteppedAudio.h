#pragma once

#include "audio/MeasurementAudio.h"
#include "core/ContestState.h"
#include "core/StepRunner.h"

// The sound side of a measurement taken one recording step at a time, each
// step waited for through `run`, as the tests of the audio layer take it.
class SteppedAudio : public MeasurementAudio {
public:
    SteppedAudio(ContestState& context, StepRunner& run, std::unique_ptr<SoundRecorder> recorder = {}, WaitClock& clock = SystemClock())
        : MeasurementAudio(context, clock, std::move(recorder)), Context(context), Run(run)
    {
    }

    // Step 1 takes the entry number and the settings in force now.
    AudioStep RecordingStep(int step)
    {
        Run.Follow(step == 1 ? Prepare(NextTake(Context)) : step == 2 ? Start() : Finish());
        return Report();
    }

private:
    ContestState& Context;
    StepRunner& Run;
};
