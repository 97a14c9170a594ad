#include "core/SettingsFileFormat.h"

#include "core/WriteNotation.h"

namespace {

// Each group lists its fields once, in file order; reading and writing walk
// the same list.
template <class Fields>
bool VisitFields(BasicSettings& s, Fields& f)
{
    return f(s.MeasureSeconds) && f(s.SoundOn) && f(s.PauseAtStop) && f(s.WaveformDisplay) && f(s.WaveformWhiteOnBlack) &&
           f(s.PrintAtOnce) && f(s.StartWaitTenths);
}

template <class Fields>
bool VisitFields(ScreenSettings& s, Fields& f)
{
    return f(s.FullGaugeLayout) && f(s.WaitingBackColor) && f(s.MeasuringBackColor) && f(s.StoppedBackColor) &&
           f(s.ResultBackColor) && f(s.ResultForeColor) && f(s.ResultFontName) && f(s.ResultFontBold) &&
           f(s.ResultFontItalic) && f(s.ReadyBlinkBackColor) && f(s.ReadyBlinkBandColor) && f(s.BandBackColor) &&
           f(s.BandForeColor) && f(s.BandText) && f(s.BandFontName) && f(s.BandFontBold) && f(s.BandFontItalic) &&
           f(s.GaugeStyle);
}

template <class Fields>
bool VisitFields(SoundSettings& s, Fields& f)
{
    return f(s.SoundFile) && f(s.SoundEnabled) && f(s.RankSoundFromEntry);
}

template <class Fields>
bool VisitFields(EffectSettings& s, Fields& f)
{
    return f(s.BlinkTopRanks) && f(s.BlinkInterval) && f(s.BlinkRankLimit) && f(s.BlinkColor);
}

template <class Fields>
bool VisitFields(MicSettings& s, Fields& f)
{
    return f(s.NoiseCutLevel) && f(s.Quality);
}

struct FieldReader {
    WriteNotationReader Reader;
    qsizetype ValuesRead = 0;

    bool operator()(int16_t& value) { return Counted(Reader.ReadInteger(value)); }
    bool operator()(RecordingQuality& value)
    {
        int16_t number = 0;
        if (!(*this)(number))
            return false;
        value = static_cast<RecordingQuality>(number);
        return true;
    }
    bool operator()(int32_t& value) { return Counted(Reader.ReadLong(value)); }
    bool operator()(bool& value) { return Counted(Reader.ReadBoolean(value)); }
    bool operator()(QString& value) { return Counted(Reader.ReadText(value)); }

    template <class T, size_t N>
    bool operator()(std::array<T, N>& values)
    {
        for (T& value : values) {
            if (!(*this)(value))
                return false;
        }
        return true;
    }

private:
    bool Counted(bool read)
    {
        ValuesRead += read ? 1 : 0;
        return read;
    }
};

struct FieldWriter {
    WriteNotationWriter Writer;

    bool operator()(int16_t value) { return Write(value); }
    bool operator()(RecordingQuality value) { return Write(static_cast<int16_t>(value)); }
    bool operator()(int32_t value) { return Write(value); }
    bool operator()(bool value) { Writer.WriteBoolean(value); return true; }
    bool operator()(const QString& value) { Writer.WriteText(value); return Writer.Ok(); }

    template <class T, size_t N>
    bool operator()(const std::array<T, N>& values)
    {
        for (const T& value : values) {
            if (!(*this)(value))
                return false;
        }
        return true;
    }

private:
    bool Write(int32_t value) { Writer.WriteInteger(value); return true; }
};

struct FieldCounter {
    qsizetype Count = 0;

    template <class T>
    bool operator()(const T&)
    {
        ++Count;
        return true;
    }

    template <class T, size_t N>
    bool operator()(const std::array<T, N>&)
    {
        Count += static_cast<qsizetype>(N);
        return true;
    }
};

// Finds the line of one field by its address.
struct FieldLocator {
    const void* Field = nullptr;
    qsizetype Line = 0;
    qsizetype Found = 0;

    template <class T>
    bool operator()(const T& value)
    {
        ++Line;
        if (&value == Field)
            Found = Line;
        return true;
    }

    template <class T, size_t N>
    bool operator()(const std::array<T, N>& values)
    {
        for (const T& value : values)
            (*this)(value);
        return true;
    }
};

template <class Group>
qsizetype LineCount(Group group)
{
    FieldCounter counter;
    VisitFields(group, counter);
    return counter.Count;
}

template <class Group>
qsizetype LineOf(const Group& group, const void* field)
{
    FieldLocator locator{field};
    // The locator only compares addresses; nothing is changed.
    VisitFields(const_cast<Group&>(group), locator);
    return locator.Found;
}

template <class Group>
qsizetype FirstBadLine(const QByteArray& bytes, Group& group)
{
    FieldReader reader{WriteNotationReader(bytes)};
    return VisitFields(group, reader) ? 0 : reader.ValuesRead + 1;
}

template <class Group>
bool Parse(const QByteArray& bytes, Group& group)
{
    return FirstBadLine(bytes, group) == 0;
}

template <class Group>
std::optional<QByteArray> Serialize(Group group)
{
    FieldWriter writer;
    if (!VisitFields(group, writer))
        return std::nullopt;
    return writer.Writer.Bytes();
}

}

bool ParseSettings(const QByteArray& bytes, BasicSettings& group) { return Parse(bytes, group); }
bool ParseSettings(const QByteArray& bytes, ScreenSettings& group) { return Parse(bytes, group); }
bool ParseSettings(const QByteArray& bytes, SoundSettings& group) { return Parse(bytes, group); }
bool ParseSettings(const QByteArray& bytes, EffectSettings& group) { return Parse(bytes, group); }
bool ParseSettings(const QByteArray& bytes, MicSettings& group) { return Parse(bytes, group); }

qsizetype FirstBadSettingsLine(const QByteArray& bytes, BasicSettings& group) { return FirstBadLine(bytes, group); }
qsizetype FirstBadSettingsLine(const QByteArray& bytes, ScreenSettings& group) { return FirstBadLine(bytes, group); }
qsizetype FirstBadSettingsLine(const QByteArray& bytes, SoundSettings& group) { return FirstBadLine(bytes, group); }
qsizetype FirstBadSettingsLine(const QByteArray& bytes, EffectSettings& group) { return FirstBadLine(bytes, group); }
qsizetype FirstBadSettingsLine(const QByteArray& bytes, MicSettings& group) { return FirstBadLine(bytes, group); }

qsizetype SettingsLineOf(const BasicSettings& group, const void* field) { return LineOf(group, field); }
qsizetype SettingsLineOf(const ScreenSettings& group, const void* field) { return LineOf(group, field); }
qsizetype SettingsLineOf(const SoundSettings& group, const void* field) { return LineOf(group, field); }
qsizetype SettingsLineOf(const EffectSettings& group, const void* field) { return LineOf(group, field); }
qsizetype SettingsLineOf(const MicSettings& group, const void* field) { return LineOf(group, field); }

qsizetype SettingsLineCount(const BasicSettings& group) { return LineCount(group); }
qsizetype SettingsLineCount(const ScreenSettings& group) { return LineCount(group); }
qsizetype SettingsLineCount(const SoundSettings& group) { return LineCount(group); }
qsizetype SettingsLineCount(const EffectSettings& group) { return LineCount(group); }
qsizetype SettingsLineCount(const MicSettings& group) { return LineCount(group); }

std::optional<QByteArray> SerializeSettings(const BasicSettings& group) { return Serialize(group); }
std::optional<QByteArray> SerializeSettings(const ScreenSettings& group) { return Serialize(group); }
std::optional<QByteArray> SerializeSettings(const SoundSettings& group) { return Serialize(group); }
std::optional<QByteArray> SerializeSettings(const EffectSettings& group) { return Serialize(group); }
std::optional<QByteArray> SerializeSettings(const MicSettings& group) { return Serialize(group); }
