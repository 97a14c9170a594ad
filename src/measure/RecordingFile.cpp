#include "measure/RecordingFile.h"


QString RecordingFileName(int entryNo)
{
    return QStringLiteral("xx") + (QStringLiteral("0000") + QString::number(entryNo)).right(4) + QStringLiteral(".wav");
}

RecordingFormat RecordingFormatOf(int quality)
{
    switch (quality) {
    case 1:
        return {16000, 16, "mksrc16.wav"};
    case 2:
        return {48000, 16, "mksrc48.wav"};
    default:
        return {8000, 8, "mksrc.wav"};
    }
}
