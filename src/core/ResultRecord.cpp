#include "core/ResultRecord.h"

#include <QtEndian>
#include <cstring>

namespace {

class RecordWriter {
public:
    explicit RecordWriter(QByteArray& bytes) : Bytes(bytes) {}

    template <class T>
    void Put(T value)
    {
        qToLittleEndian(value, Bytes.data() + Offset);
        Offset += sizeof(T);
    }
    void PutBytes(const char* data, int size)
    {
        std::memcpy(Bytes.data() + Offset, data, static_cast<size_t>(size));
        Offset += size;
    }

private:
    QByteArray& Bytes;
    int Offset = 0;
};

class RecordReader {
public:
    explicit RecordReader(const char* bytes) : Bytes(bytes) {}

    template <class T>
    void Get(T& value)
    {
        value = qFromLittleEndian<T>(Bytes + Offset);
        Offset += sizeof(T);
    }
    void GetBytes(char* data, int size)
    {
        std::memcpy(data, Bytes + Offset, static_cast<size_t>(size));
        Offset += size;
    }

private:
    const char* Bytes;
    int Offset = 0;
};

}

QByteArray ResultRecord::Encode() const
{
    QByteArray bytes(Size, '\0');
    RecordWriter out(bytes);
    out.Put(EntryNo);
    out.Put(TotalPoints);
    out.Put(MaxPoints);
    out.Put(MaxRaw);
    out.Put(IntegPoints);
    out.Put(IntegRaw);
    out.Put(SampleCount);
    out.PutBytes(Remark.data(), static_cast<int>(Remark.size()));
    out.Put(Rank);
    out.Put(MeasuredAt);
    out.Put(Reserved1);
    out.Put(Reserved2);
    out.Put(Reserved3);
    out.Put(NoiseCutLevel);
    out.Put(MeasureSeconds);
    out.Put(Quality);
    return bytes;
}

ResultRecord ResultRecord::Decode(const char* bytes)
{
    ResultRecord record;
    RecordReader in(bytes);
    in.Get(record.EntryNo);
    in.Get(record.TotalPoints);
    in.Get(record.MaxPoints);
    in.Get(record.MaxRaw);
    in.Get(record.IntegPoints);
    in.Get(record.IntegRaw);
    in.Get(record.SampleCount);
    in.GetBytes(record.Remark.data(), static_cast<int>(record.Remark.size()));
    in.Get(record.Rank);
    in.Get(record.MeasuredAt);
    in.Get(record.Reserved1);
    in.Get(record.Reserved2);
    in.Get(record.Reserved3);
    in.Get(record.NoiseCutLevel);
    in.Get(record.MeasureSeconds);
    in.Get(record.Quality);
    return record;
}

ResultRecord ResultRecord::Cleared(int16_t entryNo, double measuredAt)
{
    ResultRecord record;
    record.EntryNo = entryNo;
    record.TotalPoints = Unused;
    record.MaxPoints = -1;
    record.MaxRaw = -1;
    record.IntegPoints = -1;
    record.IntegRaw = -1;
    record.SampleCount = -1;
    record.Remark.fill(' ');
    record.Rank = -1;
    record.MeasuredAt = measuredAt;
    return record;
}

ResultRecord ResultRecord::Missing(int16_t entryNo)
{
    return Cleared(entryNo, 0);
}
