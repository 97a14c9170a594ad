#include "audio/AudioDevices.h"
#include "audio/MonoMix.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <vector>

namespace {

QByteArray Frames(const std::vector<int16_t>& values)
{
    QByteArray bytes(qsizetype(values.size()) * 2, Qt::Uninitialized);
    for (size_t i = 0; i < values.size(); ++i)
        qToLittleEndian<int16_t>(values[i], bytes.data() + 2 * i);
    return bytes;
}

} // namespace

TEST(MonoMix, ChannelsAreAveragedSoOneChannelAloneCountsHalf)
{
    // Frames of two channels: the same signal on both, then the left only,
    // then the extremes, which must not overflow.
    const QByteArray stereo = Frames({1000, 1000, -2000, -2000, 1000, 0, -2000, 0, 32767, 32767, -32768, -32768});
    EXPECT_EQ(MixToMono(stereo, 2, 16), Frames({1000, -2000, 500, -1000, 32767, -32768}));
    // Halves round away from zero alike on both sides.
    EXPECT_EQ(MixToMono(Frames({1, 2, -1, -2}), 2, 16), Frames({2, -2}));
    EXPECT_EQ(MixToMono(Frames({300, 300, 300, 0, 0, 0}), 6, 16), Frames({150}));
}

TEST(MonoMix, OneChannelPassesUnchangedAndAPartialFrameIsLeftOut)
{
    const QByteArray mono = Frames({7, -7, 32767, -32768});
    EXPECT_EQ(MixToMono(mono, 1, 16), mono);
    EXPECT_EQ(MixToMono(Frames({10, 20, 30}), 2, 16), Frames({15}));
    EXPECT_TRUE(MixToMono(QByteArray(), 2, 16).isEmpty());
}

TEST(MonoMix, EightBitSamplesAreTheUpperByteAboveTheMiddle)
{
    EXPECT_EQ(MixToMono(Frames({0, -1, 255, 256, 32767, -32768}), 1, 8), QByteArray("\x80\x7F\x80\x81\xFF\x00", 6));
    EXPECT_EQ(MixToMono(Frames({32767, 0}), 2, 8), QByteArray("\xC0", 1));
}

TEST(AudioInputChoice, AStoredInputIsUsedWhileListedAndOtherwiseTheDefault)
{
    const AudioInputList list{{{"virtmic", QStringLiteral("Stereo microphone")}, {"monomic", QStringLiteral("Mono microphone")}}, "virtmic"};
    EXPECT_EQ(ResolveAudioInput(list, "monomic"), (ResolvedAudioInput{"monomic", false}));
    EXPECT_EQ(ResolveAudioInput(list, {}), (ResolvedAudioInput{{}, false}));
    EXPECT_EQ(ResolveAudioInput(list, "usbmic"), (ResolvedAudioInput{{}, true}));
    EXPECT_EQ(ResolveAudioInput(AudioInputList{}, "usbmic"), (ResolvedAudioInput{{}, true}));
}
