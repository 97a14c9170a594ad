#pragma once

#include "core/ContestValues.h"
#include "core/ResultRecord.h"

#include <QFile>
#include <QString>

// A log of 3000 entrants with totals spread over 0 to 2000, as a contest that
// filled its log leaves it.
inline void WriteFullLog(const QString& path)
{
    QByteArray log;
    for (int n = 1; n <= MaxEntrants; ++n) {
        ResultRecord record = ResultRecord::Cleared(static_cast<int16_t>(n), 46000.0);
        record.TotalPoints = static_cast<int16_t>((n * 7919) % 2001);
        log += record.Encode();
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(log);
}
