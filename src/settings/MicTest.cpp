#include "settings/MicTest.h"

#include "core/RecordingFile.h"
#include "widgets/WaveformDrawing.h"
#include "core/DisplayFormat.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

struct Scale {
    double Top;
    double Bottom;
    double Centre;
    // Height of a full-scale sample above the centre.
    int FullScale;
};

Scale ScaleOf(RecordingQuality quality)
{
    if (SampleWidthOf(quality) == SampleWidth::Bits8)
        return {266, -10, 128, 128};
    return {3500, -3500, 0, 3277};
}

QPen Hairline(const QColor& colour, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(colour, 1, style);
    pen.setCosmetic(true);
    return pen;
}

void DrawAcross(QPainter& painter, double width, double y, const QPen& pen)
{
    painter.setPen(pen);
    painter.drawLine(QPointF(0, y), QPointF(width, y));
}

// Which bytes of the header each line reads, and whether as text.
struct ReadoutField {
    int Offset;
    int Size;
    bool AsText;
};

constexpr std::array<ReadoutField, 14> ReadoutFields{{{0, 4, true}, {4, 4, false}, {8, 4, true}, {12, 4, true},
                                                      {16, 4, false}, {20, 2, false}, {22, 2, false}, {24, 4, false},
                                                      {28, 4, false}, {32, 2, false}, {34, 2, false}, {36, 2, false},
                                                      {38, 4, true}, {42, 4, false}}};

const std::array<QString, 14> ReadoutLabels{
    QStringLiteral("RIFFヘッダ : "),
    QStringLiteral("サイズ　 　: "),
    QStringLiteral("WAVEヘッダ : "),
    QStringLiteral("fmtﾁｬﾝｸ　　: "),
    QStringLiteral("サイズ　 　: "),
    QStringLiteral("ﾌｫｰﾏｯﾄID 　: "),
    QStringLiteral("ﾁｬﾝﾈﾙ数  　: "),
    QStringLiteral("ｻﾝﾌﾟﾘﾝｸﾞ周波数 : "),
    QStringLiteral("平均ﾃﾞｰﾀ速度　 : "),
    QStringLiteral("ﾌﾟﾛｯｸｻｲｽ゛ : "),
    QStringLiteral("1SP Bit数  : "),
    QStringLiteral("ﾍｯﾀﾞ拡張部SIZE(byte)  : "),
    QStringLiteral("DATA       : "),
    QStringLiteral("DATA SIZE  : ")};

}

int ExpectedTestBytes(RecordingQuality quality)
{
    const RecordingFormat format = RecordingFormatOf(quality);
    return static_cast<int>(format.SampleRate) * format.BitsPerSample / 8 * TestSeconds;
}

QString CutLevelText(int noiseCutLevel)
{
    return QString::number(noiseCutLevel) + QStringLiteral("%以下をカット");
}

int CutBandHalfHeight(int noiseCutLevel, RecordingQuality quality)
{
    // Exact in whole numbers: 3277 shares no factor with 100.
    return noiseCutLevel * ScaleOf(quality).FullScale / 100;
}

QStringList HeaderReadout(const QByteArray& header)
{
    QStringList lines;
    for (size_t i = 0; i < ReadoutFields.size(); ++i) {
        const ReadoutField field = ReadoutFields[i];
        const QByteArray bytes = header.mid(field.Offset, field.Size);
        QString value;
        if (field.AsText)
            value = QString::fromLatin1(bytes);
        else {
            for (const char byte : bytes)
                value += QString::number(static_cast<uint8_t>(byte), 16).toUpper();
        }
        lines.append(ReadoutLabels[i] + value);
    }
    return lines;
}

QString ScoreLine(const QString& label, Points points)
{
    return label + QStringLiteral(" : ") + NumberCell(points.Value, 4) + QStringLiteral(" 点");
}

QTransform PictureTransform(RecordingQuality quality, double width, const QSize& pixels)
{
    const Scale scale = ScaleOf(quality);
    const double sx = pixels.width() / width;
    const double sy = pixels.height() / (scale.Bottom - scale.Top);
    return QTransform(sx, 0, 0, sy, 0, -scale.Top * sy);
}

void DrawCutBand(QPainter& painter, RecordingQuality quality, double width, int noiseCutLevel, bool afterTest)
{
    const Scale scale = ScaleOf(quality);
    const int half = CutBandHalfHeight(noiseCutLevel, quality);
    const double low = scale.Centre - half;
    const double high = scale.Centre + half;
    painter.save();
    if (!afterTest) {
        // The hatch is laid in pixels, so that its lines keep their spacing.
        const QRectF band = painter.worldTransform().mapRect(QRectF(QPointF(0, low), QPointF(width, high)));
        painter.save();
        painter.resetTransform();
        painter.fillRect(band, QBrush(QColor(0, 128, 0), Qt::FDiagPattern));
        painter.restore();
        DrawAcross(painter, width, scale.Centre, Hairline(QColor(0, 0, 128)));
    }
    const QPen edge = Hairline(QColor(0, 128, 0), afterTest ? Qt::DotLine : Qt::SolidLine);
    DrawAcross(painter, width, low, edge);
    DrawAcross(painter, width, high, edge);
    painter.restore();
}

void DrawProgress(QPainter& painter, RecordingQuality quality, int ticks)
{
    const double right = ExpectedTestBytes(quality) / 10.0 * (ticks / 3.0) + 1;
    const QRectF bar = SampleWidthOf(quality) == SampleWidth::Bits8 ? QRectF(QPointF(0, 120), QPointF(right, 136)) : QRectF(QPointF(0, -200), QPointF(right, 200));
    painter.fillRect(bar, QColor(255, 0, 0));
}

void DrawReferenceLines(QPainter& painter, RecordingQuality quality, double width)
{
    const Scale scale = ScaleOf(quality);
    painter.save();
    const QPen pen = Hairline(QColor(128, 0, 0));
    for (const double y : {scale.Centre - scale.FullScale, scale.Centre + scale.FullScale, scale.Centre})
        DrawAcross(painter, width, y, pen);
    painter.restore();
}

void DrawTestWaveform(QPainter& painter, RecordingQuality quality, const QByteArray& data)
{
    const std::vector<int16_t> levels = SampleLevels(data, SampleWidthOf(quality));
    const WaveformPlacement placement{0, double(data.size()), ScaleOf(quality).Centre, SampleWidthOf(quality) == SampleWidth::Bits8 ? 1.0 : 0.1};
    painter.save();
    painter.setPen(Qt::black);
    DrawWaveform(painter, placement, levels);
    painter.restore();
}

double PeakOfLast(const QByteArray& samples, RecordingQuality quality, int milliseconds)
{
    const RecordingFormat format = RecordingFormatOf(quality);
    const int bytesPerSample = format.BitsPerSample / 8;
    const qsizetype wanted = qsizetype(format.SampleRate) * milliseconds / 1000 * bytesPerSample;
    const qsizetype whole = samples.size() - samples.size() % bytesPerSample;
    const QByteArray last = samples.mid(std::max<qsizetype>(0, whole - wanted), std::min(wanted, whole));
    int peak = 0;
    for (const int16_t level : SampleLevels(last, SampleWidthOf(quality)))
        peak = std::max(peak, std::abs(int(level)));
    return double(peak) / (SampleWidthOf(quality) == SampleWidth::Bits8 ? 128.0 : 32768.0);
}
