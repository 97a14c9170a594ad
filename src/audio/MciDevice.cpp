#include "audio/MciDevice.h"

#include "core/AtomicFile.h"
#include "core/MciErrorText.h"
#include "core/ProgramFolder.h"
#include "core/WavHeader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <array>

namespace {

MciReply Success(const QString& text = {})
{
    return {MciSuccess, text};
}

MciReply Failure(int32_t code)
{
    return {code, {}};
}

// Splits a command into words; a double-quoted word may hold blanks.
std::optional<QStringList> SplitWords(const QString& command)
{
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (const QChar c : command) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (c.isSpace() && !quoted) {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
        } else {
            word.append(c);
            inWord = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inWord)
        words.append(word);
    return words;
}

bool Is(const QString& word, const char* keyword)
{
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

// A bare or relative name is taken from the contest folder.
QString ResolveFile(const QString& folder, const QString& name)
{
    const QFileInfo info(QDir(folder), name);
    return ProgramFolder(info.absolutePath()).FilePath(info.fileName());
}

} // namespace

MciDevice::MciDevice(const QString& folder, std::unique_ptr<SoundRecorder> recorder)
    : Folder(folder), Recorder(std::move(recorder))
{
}

MciReply MciDevice::Execute(const QString& command)
{
    const std::optional<QStringList> words = SplitWords(command);
    if (!words)
        return Failure(MciNoClosingQuote);
    if (words->isEmpty())
        return Failure(MciUnrecognizedCommand);
    const QString& verb = words->front();
    if (Is(verb, "open"))
        return Open(*words);
    if (Is(verb, "record"))
        return Record(*words);
    if (Is(verb, "stop"))
        return Stop(*words);
    if (Is(verb, "save"))
        return Save(*words);
    if (Is(verb, "close"))
        return Close(*words);
    if (Is(verb, "status"))
        return Status(*words);
    return Failure(MciUnrecognizedCommand);
}

int32_t MciDevice::CheckAlias(const QStringList& words, int extraWords) const
{
    if (words.size() < 2)
        return MciMissingDeviceName;
    if (!Opened || words[1].compare(Opened->Alias, Qt::CaseInsensitive) != 0)
        return MciInvalidDeviceName;
    if (words.size() > 2 + extraWords)
        return MciUnrecognizedKeyword;
    return MciSuccess;
}

MciReply MciDevice::Open(const QStringList& words)
{
    if (words.size() < 2)
        return Failure(MciMissingDeviceName);
    QString alias = words[1];
    for (int i = 2; i < words.size(); i += 2) {
        if (i + 1 >= words.size())
            return Failure(Is(words[i], "alias") || Is(words[i], "type") ? MciMissingStringArgument : MciUnrecognizedKeyword);
        if (Is(words[i], "alias"))
            alias = words[i + 1];
        else if (Is(words[i], "type")) {
            if (!Is(words[i + 1], "waveaudio"))
                return Failure(MciInvalidDeviceName);
        } else
            return Failure(MciUnrecognizedKeyword);
    }
    if (Opened)
        return Failure(alias.compare(Opened->Alias, Qt::CaseInsensitive) == 0 ? MciDuplicateAlias : MciDeviceOpen);
    const QString path = ResolveFile(Folder, words[1]);
    if (!QFileInfo(path).isFile())
        return Failure(MciFileNotFound);
    const std::optional<PcmFormat> format = ReadRecordableFormat(path);
    if (!format)
        return Failure(MciInvalidFile);
    Opened.emplace();
    Opened->Alias = alias;
    Opened->Path = path;
    Opened->Format = *format;
    return Success();
}

MciReply MciDevice::Record(const QStringList& words)
{
    if (words.size() < 2)
        return Failure(MciMissingDeviceName);
    if (const int32_t code = CheckAlias(words.mid(0, 2), 0); code != MciSuccess)
        return Failure(code);
    int64_t toMs = MaxRecordingMs;
    for (int i = 2; i < words.size(); ++i) {
        if (Is(words[i], "overwrite"))
            continue;
        if (!Is(words[i], "from") && !Is(words[i], "to"))
            return Failure(MciUnrecognizedKeyword);
        if (i + 1 >= words.size())
            return Failure(MciMissingParameter);
        bool isNumber = false;
        const qlonglong value = words[i + 1].toLongLong(&isNumber);
        if (!isNumber)
            return Failure(MciBadInteger);
        // Only a recording from the start is supported; it replaces the samples.
        if (value < 0 || value > MaxRecordingMs || (Is(words[i], "from") && value != 0))
            return Failure(MciOutOfRange);
        if (Is(words[i], "to"))
            toMs = value;
        ++i;
    }
    const PcmFormat format = Opened->Format;
    const int64_t samples = format.SampleRate * toMs / 1000;
    // From the same instant as the recorder's delay to its first sample.
    Opened->Clock.start();
    if (!Recorder->Start(format, samples))
        return Failure(MciWaveInputsUnsuitable);
    Opened->Recorded = true;
    Opened->RequestedSamples = samples;
    Opened->RequestedMs = toMs;
    Opened->StoppedAtMs = -1;
    return Success();
}

MciReply MciDevice::Stop(const QStringList& words)
{
    if (const int32_t code = CheckAlias(words, 0); code != MciSuccess)
        return Failure(code);
    StopRecording();
    return Success();
}

void MciDevice::StopRecording()
{
    if (Opened && Opened->Recorded && Opened->StoppedAtMs < 0)
        Opened->StoppedAtMs = Opened->Clock.elapsed();
    Recorder->Stop();
}

bool MciDevice::EndedEarly() const
{
    const int64_t samples = Recorder->Samples().size() / Opened->Format.BytesPerSample();
    // The recording time runs from the first sample, which a slowly starting
    // input delivers late.
    const qint64 startedAtMs = std::max<qint64>(Recorder->FirstSampleDelayMs(), 0);
    return samples < Opened->RequestedSamples && Opened->StoppedAtMs >= startedAtMs + Opened->RequestedMs + LateSamplesMs;
}

MciReply MciDevice::Save(const QStringList& words)
{
    if (const int32_t code = CheckAlias(words, 0); code != MciSuccess)
        return Failure(code);
    StopRecording();
    // Without a recording the file already holds what the device holds.
    if (!Opened->Recorded)
        return Success();
    if (Recorder->InputLost() || EndedEarly())
        return Failure(MciHardwareError);
    const QByteArray samples = Recorder->Samples();
    const PcmFormat format = Opened->Format;
    const QByteArray header = MakeRecordingHeader(format.SampleRate, format.BitsPerSample, samples.size());
    // The result is on screen sooner without waiting for the disk; the store
    // flushes the recording before a record points to it.
    if (!WriteFileAtomically(Opened->Path, {header, samples}, DiskFlush::Later))
        return Failure(MciFileNotSaved);
    return Success();
}

MciReply MciDevice::Close(const QStringList& words)
{
    if (words.size() == 2 && Is(words[1], "all")) {
        Recorder->Stop();
        Opened.reset();
        return Success();
    }
    if (const int32_t code = CheckAlias(words, 0); code != MciSuccess)
        return Failure(code);
    Recorder->Stop();
    Opened.reset();
    return Success();
}

MciReply MciDevice::Status(const QStringList& words)
{
    if (const int32_t code = CheckAlias(words, 1); code != MciSuccess)
        return Failure(code);
    if (words.size() < 3)
        return Failure(MciMissingParameter);
    if (Is(words[2], "mode"))
        return Success(Recorder->IsRecording() ? QStringLiteral("recording") : QStringLiteral("stopped"));
    if (Is(words[2], "position")) {
        const PcmFormat format = Opened->Format;
        const int64_t samples = Opened->Recorded ? Recorder->Samples().size() / format.BytesPerSample() : 0;
        return Success(QString::number(samples * 1000 / format.SampleRate));
    }
    return Failure(MciUnrecognizedKeyword);
}
