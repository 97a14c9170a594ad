#include "core/ProgramOptions.h"

#include "core/ContestState.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <cmath>
#include <optional>

namespace {

const QString OptionsFile = QStringLiteral("ZUVELO.INI");
const QString AudioInputKey = QStringLiteral("Audio/Input");
const QString AudienceScreenKey = QStringLiteral("Screen/Audience");
const QString ManufacturerKey = QStringLiteral("Screen/Manufacturer");
const QString ModelKey = QStringLiteral("Screen/Model");
const QString SerialNumberKey = QStringLiteral("Screen/SerialNumber");
// The screen's place and size on the desk: "left,top,width,height".
const QString GeometryKey = QStringLiteral("Screen/Geometry");
const QString ShowNamesKey = QStringLiteral("Entrants/ShowNames");
const QString HallEnabledKey = QStringLiteral("Hall/Enabled");
const QString HallPortKey = QStringLiteral("Hall/Port");
const QString HallUrlKey = QStringLiteral("Hall/Url");
const QString LevelOffsetKey = QStringLiteral("Level/OffsetDb");
const QString LevelReferenceKey = QStringLiteral("Level/Reference");
const QString LevelReferenceDbKey = QStringLiteral("Level/ReferenceDb");
const QString LevelWeightingKey = QStringLiteral("Level/Weighting");
const QString LevelDistanceKey = QStringLiteral("Level/DistanceCm");
const QString LevelDateKey = QStringLiteral("Level/Date");
const QString LevelInputKey = QStringLiteral("Level/Input");
const QString LevelVolumeKey = QStringLiteral("Level/Volume");
const QString LevelQualityKey = QStringLiteral("Level/Quality");
const QString LevelShowKey = QStringLiteral("Level/Show");

QString OptionsPath(const ContestState& context)
{
    return context.Folder.FilePath(OptionsFile);
}

// An empty rectangle unless the text is four whole numbers, the size positive.
QRect GeometryFrom(const QStringList& parts)
{
    if (parts.size() != 4)
        return {};
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return {};
    }
    const QRect geometry(numbers[0], numbers[1], numbers[2], numbers[3]);
    return numbers[2] > 0 && numbers[3] > 0 ? geometry : QRect();
}

// The number at `key` when it is one within [low, high].
std::optional<double> NumberWithin(const QSettings& file, const QString& key, double low, double high)
{
    bool ok = false;
    const double number = file.value(key).toString().trimmed().toDouble(&ok);
    return ok && number >= low && number <= high ? std::optional(number) : std::nullopt;
}

const QString WeightingNames[] = {QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("Z")};

LevelCalibration LevelFrom(const QSettings& file)
{
    LevelCalibration level;
    level.OffsetDb = NumberWithin(file, LevelOffsetKey, 0, 250);
    if (file.value(LevelReferenceKey).toString().compare(QStringLiteral("meter"), Qt::CaseInsensitive) == 0)
        level.Reference = CalibrationReference::Meter;
    level.ReferenceDb = NumberWithin(file, LevelReferenceDbKey, 0, 200).value_or(level.ReferenceDb);
    const QString weighting = file.value(LevelWeightingKey).toString().trimmed();
    for (int w = 0; w < 3; ++w)
        level.Weighting = weighting.compare(WeightingNames[w], Qt::CaseInsensitive) == 0 ? LevelWeighting(w) : level.Weighting;
    level.DistanceCm = static_cast<int>(NumberWithin(file, LevelDistanceKey, 1, 1000).value_or(level.DistanceCm));
    level.Date = QDate::fromString(file.value(LevelDateKey).toString(), Qt::ISODate);
    level.Input = file.value(LevelInputKey).toString();
    const std::optional<double> volume = NumberWithin(file, LevelVolumeKey, 0, 1000);
    const std::optional<double> quality = NumberWithin(file, LevelQualityKey, 0, 2);
    if (!volume || !quality || *quality != std::floor(*quality))
        level.OffsetDb.reset();
    level.Volume = static_cast<int>(volume.value_or(level.Volume));
    level.Quality = static_cast<RecordingQuality>(quality.value_or(static_cast<int>(level.Quality)));
    level.Show = file.value(LevelShowKey).toString().compare(QStringLiteral("false"), Qt::CaseInsensitive) != 0;
    return level;
}

// Without a calibration the section is left as it is: absent, as a contest
// without levels has always had the file, or as a hand wrote it, damaged
// values and all, for that hand to mend.
void WriteLevel(QSettings& file, const LevelCalibration& level)
{
    if (!level.OffsetDb)
        return;
    file.setValue(LevelOffsetKey, QString::number(*level.OffsetDb, 'f', 2));
    file.setValue(LevelReferenceKey, level.Reference == CalibrationReference::Meter ? QStringLiteral("meter") : QStringLiteral("calibrator"));
    file.setValue(LevelReferenceDbKey, QString::number(level.ReferenceDb, 'f', 1));
    file.setValue(LevelWeightingKey, WeightingNames[static_cast<int>(level.Weighting)]);
    file.setValue(LevelDistanceKey, level.DistanceCm);
    file.setValue(LevelDateKey, level.Date.toString(Qt::ISODate));
    file.setValue(LevelInputKey, level.Input);
    file.setValue(LevelVolumeKey, level.Volume);
    file.setValue(LevelQualityKey, static_cast<int>(level.Quality));
    file.setValue(LevelShowKey, level.Show ? QStringLiteral("true") : QStringLiteral("false"));
}

}

ProgramOptions LoadProgramOptions(const ContestState& context)
{
    QSettings file(OptionsPath(context), QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return {};
    ProgramOptions options;
    options.AudioInput = file.value(AudioInputKey).toString();
    options.AudienceScreen = {file.value(AudienceScreenKey).toString(), file.value(ManufacturerKey).toString(),
                              file.value(ModelKey).toString(), file.value(SerialNumberKey).toString(),
                              GeometryFrom(file.value(GeometryKey).toStringList())};
    // Anything but a clear "false" keeps the names on.
    options.ShowNames = file.value(ShowNamesKey).toString().compare(QStringLiteral("false"), Qt::CaseInsensitive) != 0;
    // The page opens to the hall only on a clear "true".
    options.Hall.Enabled = file.value(HallEnabledKey).toString().compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0;
    bool isNumber = false;
    const int port = file.value(HallPortKey).toString().toInt(&isNumber);
    if (isNumber && port >= 1 && port <= 65535)
        options.Hall.Port = port;
    options.Hall.Url = file.value(HallUrlKey).toString();
    options.Level = LevelFrom(file);
    return options;
}

std::optional<SettingsNotWritten> SaveProgramOptions(const ContestState& context, const ProgramOptions& options)
{
    const QString path = OptionsPath(context);
    {
        // QSettings keeps a file it cannot parse; start such a file afresh.
        QSettings existing(path, QSettings::IniFormat);
        if (existing.status() == QSettings::FormatError && !QFile::remove(path))
            return SettingsNotWritten{path};
    }
    QSettings file(path, QSettings::IniFormat);
    file.setValue(AudioInputKey, options.AudioInput);
    file.setValue(AudienceScreenKey, options.AudienceScreen.Name);
    file.setValue(ManufacturerKey, options.AudienceScreen.Manufacturer);
    file.setValue(ModelKey, options.AudienceScreen.Model);
    file.setValue(SerialNumberKey, options.AudienceScreen.SerialNumber);
    const QRect geometry = options.AudienceScreen.Geometry;
    if (geometry.isValid())
        file.setValue(GeometryKey, QStringList{QString::number(geometry.x()), QString::number(geometry.y()),
                                               QString::number(geometry.width()), QString::number(geometry.height())});
    else
        file.remove(GeometryKey);
    file.setValue(ShowNamesKey, options.ShowNames);
    file.setValue(HallEnabledKey, options.Hall.Enabled ? QStringLiteral("true") : QStringLiteral("false"));
    file.setValue(HallPortKey, options.Hall.Port);
    file.setValue(HallUrlKey, options.Hall.Url);
    WriteLevel(file, options.Level);
    file.sync();
    if (file.status() != QSettings::NoError)
        return SettingsNotWritten{path};
    return std::nullopt;
}

std::optional<SettingsNotWritten> SaveHallOptions(const ContestState& context, const HallOptions& hall)
{
    ProgramOptions options = LoadProgramOptions(context);
    options.Hall = hall;
    return SaveProgramOptions(context, options);
}
