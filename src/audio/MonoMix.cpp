#include "audio/MonoMix.h"

#include <QtEndian>

QByteArray MixToMono(const QByteArray& frames, int channels, int bitsPerSample)
{
    const qsizetype frameBytes = 2 * qsizetype(channels);
    const qsizetype frameCount = channels > 0 ? frames.size() / frameBytes : 0;
    const int sampleBytes = bitsPerSample / 8;
    QByteArray mono(frameCount * sampleBytes, Qt::Uninitialized);
    const auto* in = reinterpret_cast<const uchar*>(frames.constData());
    auto* out = reinterpret_cast<uchar*>(mono.data());
    for (qsizetype frame = 0; frame < frameCount; ++frame) {
        int sum = 0;
        for (int channel = 0; channel < channels; ++channel)
            sum += qFromLittleEndian<int16_t>(in + frame * frameBytes + 2 * channel);
        const int half = channels / 2;
        const auto average = static_cast<int16_t>((sum >= 0 ? sum + half : sum - half) / channels);
        if (sampleBytes == 1)
            out[frame] = static_cast<uchar>((average >> 8) + 128);
        else
            qToLittleEndian<int16_t>(average, out + 2 * frame);
    }
    return mono;
}
