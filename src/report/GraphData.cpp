#include "report/GraphData.h"

#include "core/RecordingFile.h"
#include "core/RecordingLevels.h"
#include "widgets/ContestSession.h"
#include "widgets/OperatorMessages.h"

std::vector<int16_t> LoadGraphData(ContestSession& context, const LoadedEntrant& entrant)
{
    std::optional<RecordingLevels> recording = ReadEntrantRecording(
        context.Folder.FilePath(RecordingFileName(entrant.EntryNo)), entrant.Quality, entrant.SampleCount);
    if (recording)
        return std::move(recording->Levels);
    Report(context.Messages, RecordingUnreadable{entrant.EntryNo});
    return {};
}
