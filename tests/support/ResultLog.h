#pragma once

#include "core/AutomationDate.h"
#include "core/WavHeader.h"
#include "core/ContestValues.h"
#include "core/ResultRecord.h"
#include "support/TestFolderFiles.h"

#include <vector>

// A stored entrant of `total` points, measured at 16 bit (middle quality).
inline ResultRecord StoredEntrant(int entryNo, int total)
{
    ResultRecord record = ResultRecord::Cleared(static_cast<int16_t>(entryNo),
                                                ToAutomationDate(QDateTime(QDate(2023, 10, 8), QTime(14, 5, entryNo % 60))));
    record.TotalPoints = static_cast<int16_t>(total);
    record.MaxPoints = static_cast<int16_t>(total / 2);
    record.IntegPoints = static_cast<int16_t>(total - total / 2);
    record.MaxRaw = 100 * total;
    record.IntegRaw = 1000 * total;
    record.SampleCount = 16000;
    record.Reserved1 = -1;
    record.MeasureSeconds = 1;
    record.Quality = 1;
    return record;
}

// Writes these records as entrants 1, 2, ... of the log, the other records
// up to 3000 unused.
template <class Folder>
void WriteLog(Folder& folder, const std::vector<ResultRecord>& entrants)
{
    QByteArray log;
    for (int n = 1; n <= MaxEntrants; ++n) {
        const auto index = static_cast<size_t>(n - 1);
        log += (index < entrants.size() ? entrants[index] : ResultRecord::Cleared(static_cast<int16_t>(n), 1.0)).Encode();
    }
    folder.Write(QStringLiteral("loudlog.dat"), log);
}

// Entrants 1, 2, ... with these totals.
template <class Folder>
void WriteLogOfTotals(Folder& folder, const std::vector<int>& totals)
{
    std::vector<ResultRecord> entrants;
    for (size_t i = 0; i < totals.size(); ++i)
        entrants.push_back(StoredEntrant(static_cast<int>(i + 1), totals[i]));
    WriteLog(folder, entrants);
}

// The recording of an entrant: 16-bit samples at 16 kHz.
template <class Folder>
void WriteRecording16(Folder& folder, int entryNo, const std::vector<int16_t>& samples)
{
    QByteArray data;
    for (int16_t sample : samples) {
        data += static_cast<char>(sample & 0xFF);
        data += static_cast<char>((sample >> 8) & 0xFF);
    }
    folder.Write(QStringLiteral("xx%1.wav").arg(entryNo, 4, 10, QLatin1Char('0')), MakeRecordingHeader(16000, 16, uint32_t(data.size())) + data);
}
