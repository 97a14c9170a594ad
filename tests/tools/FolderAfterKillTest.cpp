#include "FolderAfterKill.h"

#include "core/LoudnessAnalysis.h"
#include "core/RecordingFile.h"
#include "core/WavHeader.h"
#include "core/ResultRecord.h"
#include "core/SettingsFileFormat.h"
#include "support/StoreFolder.h"

#include <QDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// A program folder with two entrants (one 8-bit, one 16-bit recording) and
// factory settings, and a copy of its files taken before a trial.
class FolderAfterKillTest : public testing::Test {
protected:
    void SetUp() override
    {
        QByteArray log = StoredEntrant(1, 0, Ramp(8000, 8));
        log += StoredEntrant(2, 1, Ramp(16000, 16));
        for (int n = 3; n <= 5; ++n)
            log += ResultRecord::Missing(static_cast<int16_t>(n)).Encode();
        Folder.Write(QStringLiteral("loudlog.dat"), log);
        Folder.Write(QStringLiteral("KANKYOU1.REC"), *SerializeSettings(BasicSettings::Factory()));
        Folder.Write(QStringLiteral("KANKYOU2.REC"), *SerializeSettings(ScreenSettings::Factory()));
        Folder.Write(QStringLiteral("KANKYOUB.REC"), *SerializeSettings(MicSettings::Factory()));
        Folder.Write(QStringLiteral("SKANRI.REC"), "#FALSE#\r\n#FALSE#\r\n");
        for (const QString& name : KeptFileNames()) {
            if (Folder.Exists(name))
                QFile::copy(Folder.Path(name), Before.filePath(name));
        }
    }

    static QByteArray Ramp(int rate, int bits)
    {
        QByteArray samples;
        for (int i = 0; i < rate / 4; ++i) {
            const int level = i % 200;
            if (bits == 8)
                samples += static_cast<char>(128 + (i % 2 ? level / 2 : -level / 2));
            else {
                char bytes[2];
                qToLittleEndian(static_cast<int16_t>(level * 150 * (i % 2 ? 1 : -1)), bytes);
                samples += QByteArray(bytes, 2);
            }
        }
        return MakeRecordingHeader(static_cast<uint32_t>(rate), static_cast<uint16_t>(bits), uint32_t(samples.size())) +
               samples;
    }

    // Writes the entrant's recording and returns its record as a store makes it.
    QByteArray StoredEntrant(int entryNo, int16_t quality, const QByteArray& recording)
    {
        Folder.Write(RecordingFileName(entryNo), recording);
        const MeasureResult score = ScoreRecordingFile(Folder.Path(RecordingFileName(entryNo)),
                                                       quality == 0 ? SampleWidth::Bits8 : SampleWidth::Bits16, 10);
        ResultRecord record = ResultRecord::Missing(static_cast<int16_t>(entryNo));
        record.TotalPoints = static_cast<int16_t>(score.TotalPoints.Value);
        record.MaxPoints = static_cast<int16_t>(score.MaxPoints.Value);
        record.IntegPoints = static_cast<int16_t>(score.IntegPoints.Value);
        record.MaxRaw = static_cast<int32_t>(score.MaxRaw);
        record.IntegRaw = static_cast<int32_t>(score.IntegRaw);
        record.SampleCount = score.SampleCount;
        record.NoiseCutLevel = 10;
        record.Quality = quality;
        return record.Encode();
    }

    void Overwrite(const QString& name, qsizetype offset, const QByteArray& bytes)
    {
        QByteArray content = Folder.Read(name);
        content.replace(offset, bytes.size(), bytes);
        Folder.Write(name, content);
    }

    FolderAfterKill Check() const { return CheckFolderAfterKill(Folder.Dir.path(), Before.path()); }

    StoreFolder Folder;
    QTemporaryDir BeforeDir;
    QDir Before{BeforeDir.path()};
};

}

TEST_F(FolderAfterKillTest, PassesWhatACompleteOrAbandonedOperationLeaves)
{
    const FolderAfterKill untouched = Check();
    EXPECT_TRUE(untouched.Faults.isEmpty()) << untouched.Faults.join(u'\n').toStdString();
    EXPECT_EQ(untouched.Entrants, 2);
    EXPECT_FALSE(untouched.ResultStored);

    // A recording taken but not stored yet is no concern of the log.
    Folder.Write(RecordingFileName(3), Ramp(8000, 8).left(100));
    EXPECT_TRUE(Check().Faults.isEmpty());

    Overwrite(QStringLiteral("loudlog.dat"), 2 * ResultRecord::Size, StoredEntrant(3, 2, Ramp(48000, 16)));
    const FolderAfterKill stored = Check();
    EXPECT_TRUE(stored.Faults.isEmpty()) << stored.Faults.join(u'\n').toStdString();
    EXPECT_TRUE(stored.ResultStored);
    EXPECT_EQ(stored.Entrants, 3);

    QByteArray cleared;
    for (int n = 1; n <= MaxEntrants; ++n)
        cleared += ResultRecord::Cleared(static_cast<int16_t>(n), 45000.5).Encode();
    Folder.Write(QStringLiteral("loudlog.dat"), cleared);
    QFile::remove(Folder.Path(RecordingFileName(1)));
    const FolderAfterKill afterClear = Check();
    EXPECT_TRUE(afterClear.Faults.isEmpty()) << afterClear.Faults.join(u'\n').toStdString();
    EXPECT_TRUE(afterClear.LogCleared);
    EXPECT_EQ(afterClear.Entrants, 0);
}

TEST_F(FolderAfterKillTest, FindsALogThatLostOrChangedRecords)
{
    const QByteArray log = Folder.Read(QStringLiteral("loudlog.dat"));
    Folder.Write(QStringLiteral("loudlog.dat"), log.left(log.size() - 35));
    EXPECT_EQ(Check().Faults.size(), 1);

    Folder.Write(QStringLiteral("loudlog.dat"), log);
    Overwrite(QStringLiteral("loudlog.dat"), ResultRecord::Size + 46, QByteArray(8, '\x11'));
    EXPECT_EQ(Check().Faults.size(), 1) << "a changed date of entrant 2";

    Folder.Write(QStringLiteral("loudlog.dat"), log);
    Overwrite(QStringLiteral("loudlog.dat"), 3 * ResultRecord::Size + 2, StoredEntrant(4, 0, Ramp(8000, 8)).mid(2, 2));
    EXPECT_EQ(Check().Faults.size(), 1) << "a record stored past the first unused one";

    Folder.Write(QStringLiteral("loudlog.dat"), log);
    Overwrite(QStringLiteral("loudlog.dat"), 2 * ResultRecord::Size + 20, QByteArray(24, 'x'));
    EXPECT_EQ(Check().Faults.size(), 1) << "the next record changed without a result";

    QFile::remove(Folder.Path(QStringLiteral("loudlog.dat")));
    EXPECT_EQ(Check().Faults.size(), 1);
}

TEST_F(FolderAfterKillTest, FindsRecordingsThatDoNotScoreAsStored)
{
    QFile::remove(Folder.Path(RecordingFileName(1)));
    EXPECT_EQ(Check().Faults.size(), 1);

    Folder.Write(RecordingFileName(1), Ramp(8000, 8));
    Folder.Write(RecordingFileName(2), Ramp(16000, 16).left(4096));
    EXPECT_EQ(Check().Faults.size(), 1) << "a recording cut short";

    Folder.Write(RecordingFileName(2), Ramp(16000, 16));
    const QByteArray third = StoredEntrant(3, 0, Ramp(8000, 8));
    Folder.Write(RecordingFileName(3), MakeRecordingHeader(8000, 8, 0));
    Overwrite(QStringLiteral("loudlog.dat"), 2 * ResultRecord::Size, third);
    EXPECT_EQ(Check().Faults.size(), 1) << "a result stored over the template";

    ResultRecord wrongQuality = ResultRecord::Decode(third.constData());
    wrongQuality.Quality = 7;
    Overwrite(QStringLiteral("loudlog.dat"), 2 * ResultRecord::Size, wrongQuality.Encode());
    EXPECT_EQ(Check().Faults.size(), 1);
}

TEST_F(FolderAfterKillTest, SettingsFilesMustBeOldOrWhole)
{
    BasicSettings basic = BasicSettings::Factory();
    basic.MeasureSeconds = 7;
    Folder.Write(QStringLiteral("KANKYOU1.REC"), *SerializeSettings(basic));
    Folder.Write(QStringLiteral("KANKYOU4.REC"), *SerializeSettings(EffectSettings::Factory()));
    Folder.Write(QStringLiteral("SKANRI.REC"), "#TRUE#\r\n#FALSE#\r\n");
    const FolderAfterKill rewritten = Check();
    EXPECT_TRUE(rewritten.Faults.isEmpty()) << rewritten.Faults.join(u'\n').toStdString();
    EXPECT_EQ(rewritten.ChangedSettings,
              QStringList({QStringLiteral("KANKYOU1.REC"), QStringLiteral("KANKYOU4.REC"), QStringLiteral("SKANRI.REC")}));

    const QByteArray screen = *SerializeSettings(ScreenSettings::Factory());
    Folder.Write(QStringLiteral("KANKYOU2.REC"), screen.left(screen.size() / 2));
    Folder.Write(QStringLiteral("SKANRI.REC"), "#TRUE#\r\n");
    Folder.Write(QStringLiteral("KANKYOU3.REC"), QByteArray());
    QFile::remove(Folder.Path(QStringLiteral("KANKYOUB.REC")));
    const FolderAfterKill damaged = Check();
    EXPECT_EQ(damaged.Faults.size(), 4) << damaged.Faults.join(u'\n').toStdString();
}
