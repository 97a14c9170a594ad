#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

// One entrant's result as stored in the measurement log and the ranking file:
// 70 bytes, little-endian, fields packed without padding.
struct ResultRecord {
    static constexpr int Size = 70;
    static constexpr int16_t Unused = -1;

    int16_t EntryNo = 0;
    int16_t TotalPoints = Unused;
    int16_t MaxPoints = 0;
    int32_t MaxRaw = 0;
    int16_t IntegPoints = 0;
    int32_t IntegRaw = 0;
    int32_t SampleCount = 0;
    std::array<char, 24> Remark{};
    int16_t Rank = -1;
    double MeasuredAt = 0;
    int16_t Reserved1 = 0;
    int32_t Reserved2 = 0;
    int32_t Reserved3 = 0;
    int16_t NoiseCutLevel = 0;
    int16_t MeasureSeconds = 0;
    int16_t Quality = 0;

    bool IsUnused() const { return TotalPoints == Unused; }

    QByteArray Encode() const;
    // `bytes` holds at least Size bytes.
    static ResultRecord Decode(const char* bytes);

    // The record a cleared log holds for an entry number.
    static ResultRecord Cleared(int16_t entryNo, double measuredAt);
    // What a record missing from a short log reads as.
    static ResultRecord Missing(int16_t entryNo);

    bool operator==(const ResultRecord&) const = default;
};
