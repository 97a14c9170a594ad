#pragma once

#include "core/LoudnessAnalysis.h"
#include "core/RecordingFile.h"
#include "core/WavHeader.h"
#include "core/ContestOperations.h"
#include "core/ContestState.h"
#include "core/ResultStore.h"

#include <QFile>
#include <QtEndian>
#include <cmath>

// Entrants for the score sheets: a recording of a shout that swells and
// fades, scored and stored as the next entrant of the log.
inline QByteArray ShoutSamples(int quality, int seconds)
{
    const RecordingFormat format = RecordingFormatOf(static_cast<RecordingQuality>(quality));
    const int count = static_cast<int>(format.SampleRate) * seconds;
    const bool eightBit = format.BitsPerSample == 8;
    QByteArray data(count * (eightBit ? 1 : 2), Qt::Uninitialized);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / count;
        const double envelope = std::sin(M_PI * t) * (0.35 + 0.6 * t);
        const double level = envelope * std::sin(2 * M_PI * 440 * i / format.SampleRate);
        if (eightBit)
            data[i] = static_cast<char>(std::lround(128 + 127 * level));
        else
            qToLittleEndian<int16_t>(static_cast<int16_t>(std::lround(32767 * level)), data.data() + 2 * i);
    }
    return data;
}

// Stores entrant `entryNo` measured at `quality` for `seconds` with a noise
// cut of `noiseCut` percent; its recording lies in the program folder.
inline void StoreEntrant(ContestState& context, int entryNo, int quality, int seconds, int noiseCut)
{
    const RecordingFormat format = RecordingFormatOf(static_cast<RecordingQuality>(quality));
    const QByteArray samples = ShoutSamples(quality, seconds);
    const QString path = context.Folder.FilePath(RecordingFileName(entryNo));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(MakeRecordingHeader(format.SampleRate, format.BitsPerSample, static_cast<uint32_t>(samples.size())));
        file.write(samples);
    }
    file.close();
    context.Settings.Mic.Quality = static_cast<RecordingQuality>(quality);
    context.Settings.Mic.NoiseCutLevel = static_cast<int16_t>(noiseCut);
    context.Settings.Basic.MeasureSeconds = static_cast<int16_t>(seconds);
    const SampleWidth width = quality == 0 ? SampleWidth::Bits8 : SampleWidth::Bits16;
    StoreResult(context, MeasuredNow(context, entryNo, ScoreRecordingFile(path, width, noiseCut)));
}
