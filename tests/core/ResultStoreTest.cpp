#include "core/ResultStore.h"

#include "core/AutomationDate.h"
#include "core/ContestOperations.h"
#include "core/ResultRecord.h"
#include "support/StoreFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString Log = QStringLiteral("loudlog.dat");
const QString Ranking = QStringLiteral("loudjni.dat");
const QDateTime StoreTime(QDate(2026, 12, 7), QTime(14, 3, 9));

ResultRecord Measured(int entryNo, int total)
{
    ResultRecord record = ResultRecord::Cleared(static_cast<int16_t>(entryNo), 1.0);
    record.TotalPoints = static_cast<int16_t>(total);
    record.MaxPoints = static_cast<int16_t>(total / 2);
    record.IntegPoints = static_cast<int16_t>(total - total / 2);
    return record;
}

// A log of the given totals followed by unused records up to 3000.
QByteArray LogOf(const std::vector<int>& totals)
{
    QByteArray log;
    for (int n = 1; n <= MaxEntrants; ++n) {
        const size_t index = static_cast<size_t>(n - 1);
        log += (index < totals.size() ? Measured(n, totals[index]) : ResultRecord::Cleared(static_cast<int16_t>(n), 1.0)).Encode();
    }
    return log;
}

// The fault of a store that failed; nothing when it stored.
std::optional<LogWriteFault> FaultOf(const StoreOutcome& outcome)
{
    const LogWriteFailed* failed = std::get_if<LogWriteFailed>(&outcome);
    return failed ? std::optional(failed->Fault) : std::nullopt;
}

ResultRecord RecordOf(const QByteArray& file, int number)
{
    return ResultRecord::Decode(file.constData() + 70 * (number - 1));
}

class ResultStoreTest : public ::testing::Test {
protected:
    ResultStoreTest() { folder.Context.Now = [] { return StoreTime; }; }

    // The entry number a load reports unreadable; 0 for any other outcome.
    int UnreadableEntry(int entryNo)
    {
        const auto loaded = LoadEntrant(context, entryNo);
        const EntrantUnreadable* unreadable = std::get_if<EntrantUnreadable>(&loaded);
        return unreadable ? unreadable->EntryNo : 0;
    }

    StoreFolder folder;
    ContestState& context = folder.Context;
};

}

TEST_F(ResultStoreTest, AClearedLogHasNoEntrants)
{
    folder.Write(Log, LogOf({100, 200}));
    ASSERT_FALSE(ClearLog(context));
    const QByteArray log = folder.Read(Log);
    ASSERT_EQ(log.size(), 70 * 3000);
    EXPECT_EQ(RecordOf(log, 3000), ResultRecord::Cleared(3000, ToAutomationDate(StoreTime)));
    EXPECT_EQ(ScanLog(context), 1);
    EXPECT_FALSE(context.Contest.LogHasEntries);

    RebuildRanking(context);
    const QByteArray ranking = folder.Read(Ranking);
    ASSERT_EQ(ranking.size(), 70);
    EXPECT_TRUE(RecordOf(ranking, 1).IsUnused());
}

TEST_F(ResultStoreTest, RanksHigherTotalsFirstAndEarlierEntrantsFirstAmongEquals)
{
    folder.Write(Log, LogOf({500, 700, 700, 300, 0, 0}));
    EXPECT_EQ(ScanLog(context), 7);
    EXPECT_TRUE(context.Contest.LogHasEntries);
    EXPECT_EQ(context.Contest.ScoreTable[2], 700);
    EXPECT_EQ(context.Contest.ScoreTable[4], 300);

    EXPECT_FALSE(RebuildRanking(context));
    const QByteArray ranking = folder.Read(Ranking);
    const std::vector<int> expectedEntries = {2, 3, 1, 4, 5, 6};
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(RecordOf(ranking, r).EntryNo, expectedEntries[static_cast<size_t>(r - 1)]) << "rank " << r;
        EXPECT_EQ(RecordOf(ranking, r).Rank, r);
    }
    EXPECT_TRUE(RecordOf(ranking, 7).IsUnused());
    EXPECT_EQ(RecordOf(ranking, 7).EntryNo, 6) << "the end marker copies the last record";

    const QByteArray log = folder.Read(Log);
    const std::vector<int> expectedRanks = {3, 1, 2, 4, 5, 6};
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(RecordOf(log, n).Rank, expectedRanks[static_cast<size_t>(n - 1)]) << "entry " << n;
    EXPECT_EQ(RecordOf(log, 7).Rank, -1);
    EXPECT_EQ(log.size(), 70 * 3000);
}

TEST_F(ResultStoreTest, AFullLogRanksAllThreeThousand)
{
    std::vector<int> totals;
    for (int n = 1; n <= MaxEntrants; ++n)
        totals.push_back((n * 37) % 2001);
    folder.Write(Log, LogOf(totals));
    EXPECT_EQ(ScanLog(context), 3001);

    RebuildRanking(context);
    const QByteArray ranking = folder.Read(Ranking);
    ASSERT_EQ(ranking.size(), 70 * 3001);
    EXPECT_TRUE(RecordOf(ranking, 3001).IsUnused());
    for (int r = 2; r <= 3000; ++r) {
        const ResultRecord higher = RecordOf(ranking, r - 1);
        const ResultRecord lower = RecordOf(ranking, r);
        ASSERT_TRUE(higher.TotalPoints > lower.TotalPoints ||
                    (higher.TotalPoints == lower.TotalPoints && higher.EntryNo < lower.EntryNo))
            << "rank " << r;
    }
}

TEST_F(ResultStoreTest, AMissingLogIsCreatedEmptyAndAShortLogEndsWhereItsRecordsEnd)
{
    EXPECT_EQ(ScanLog(context), 1);
    EXPECT_TRUE(folder.Exists(Log));
    EXPECT_EQ(folder.Read(Log).size(), 0);

    const QByteArray shortLog = Measured(1, 900).Encode() + Measured(2, 800).Encode();
    folder.Write(Log, shortLog);
    EXPECT_EQ(ScanLog(context), 3);
    EXPECT_TRUE(std::holds_alternative<UnusedRecord>(LoadEntrant(context, 2999)));
    EXPECT_EQ(folder.Read(Log).size(), shortLog.size()) << "a read never shortens the log";
}

TEST_F(ResultStoreTest, ADamagedLogIsNeitherScannedNorRankedNorWritten)
{
    const QByteArray whole = Measured(1, 900).Encode() + Measured(2, 800).Encode();
    QByteArray renumbered = whole;
    renumbered[70] = 7;
    const QByteArray tooLong = LogOf({}) + Measured(3001, 5).Encode();
    for (const QByteArray& damaged : {whole.left(35), whole.left(105), renumbered, tooLong}) {
        folder.Write(Log, damaged);
        EXPECT_FALSE(ScanLog(context).has_value()) << damaged.size();
        EXPECT_EQ(RebuildRanking(context).value_or(RankingNotRebuilt()).Path, context.LogPath());
        EXPECT_EQ(FaultOf(StoreResult(context, MeasuredNow(context, 1, MeasureResult()))), LogWriteFault::LogUnreadable);
        EXPECT_EQ(folder.Read(Log), damaged) << "left as found";
    }
}

TEST_F(ResultStoreTest, ARankingFileThatCannotBeWrittenIsNamedAndTheLogKeepsItsRanks)
{
    folder.Write(Log, LogOf({500, 700}));
    const QByteArray log = folder.Read(Log);
    ASSERT_TRUE(QDir(folder.Path(QString())).mkdir(Ranking));
    EXPECT_EQ(RebuildRanking(context).value_or(RankingNotRebuilt()).Path, context.RankingPath());
    EXPECT_EQ(folder.Read(Log), log);
}

TEST_F(ResultStoreTest, LoadsTheNumbersAndTheTimeOfARecord)
{
    ResultRecord record = Measured(1, 1234);
    record.MaxRaw = 307200;
    record.IntegRaw = 3072000;
    record.SampleCount = 24000;
    record.Rank = 1;
    record.MeasuredAt = ToAutomationDate(QDateTime(QDate(2026, 1, 2), QTime(9, 5, 3)));
    record.NoiseCutLevel = 10;
    record.MeasureSeconds = 3;
    record.Quality = 2;
    folder.Write(Log, record.Encode() + ResultRecord::Cleared(2, 0).Encode());

    EXPECT_EQ(std::get<LoadedEntrant>(LoadEntrant(context, 1)),
              (LoadedEntrant{1, 1234, 617, 307200, 617, 3072000, 24000, QString(24, ' '), 1, "2026/01/02 09:05:03", 10, 3, RecordingQuality::High}));
    EXPECT_TRUE(std::holds_alternative<UnusedRecord>(LoadEntrant(context, 2)));
}

TEST_F(ResultStoreTest, ARecordThatCannotBeLoadedIsReportedWithItsEntryNumber)
{
    // Entrant 2's remark ends in half a double-byte character.
    ResultRecord damaged = Measured(2, 800);
    damaged.Remark.back() = '\x81';
    folder.Write(Log, Measured(1, 900).Encode() + damaged.Encode());
    ASSERT_TRUE(std::holds_alternative<LoadedEntrant>(LoadEntrant(context, 1)));
    EXPECT_EQ(UnreadableEntry(2), 2);
    for (int entryNo : {0, -1, -32768, 3001})
        EXPECT_EQ(UnreadableEntry(entryNo), entryNo) << "refused before anything is read";
    QFile::remove(folder.Path(Log));
    ASSERT_TRUE(QDir(folder.Dir.path()).mkdir(Log));
    EXPECT_EQ(UnreadableEntry(12), 12);
}

TEST_F(ResultStoreTest, StoringAResultKeepsRemarkAndRankAndRecordsWhatItWasMeasuredWith)
{
    ResultRecord old = ResultRecord::Cleared(1, 1.0);
    std::memcpy(old.Remark.data(), "remark kept by the store", 24);
    old.Rank = 4;
    folder.Write(Log, old.Encode());
    // Settings changed since the measurement do not reach its record.
    context.Settings.Mic = {40, RecordingQuality::High};
    context.Settings.Basic.MeasureSeconds = 9;
    const QDateTime measuredAt = StoreTime.addSecs(-12);

    MeasureResult result;
    result.SampleCount = 112000;
    result.MaxRaw = 123456;
    result.IntegRaw = 654321;
    result.MaxPoints = Points{900};
    result.IntegPoints = Points{400};
    result.TotalPoints = Points{1300};
    const StoreOutcome outcome = StoreResult(context, {1, result, RecordingQuality::Middle, 25, 7, measuredAt});

    const ResultRecord stored = RecordOf(folder.Read(Log), 1);
    EXPECT_EQ(std::get<ResultRecord>(outcome), stored) << "answers with the record as written";
    EXPECT_EQ(stored.EntryNo, 1);
    EXPECT_EQ(stored.TotalPoints, 1300);
    EXPECT_EQ(stored.MaxPoints, 900);
    EXPECT_EQ(stored.IntegPoints, 400);
    EXPECT_EQ(stored.MaxRaw, 123456);
    EXPECT_EQ(stored.IntegRaw, 654321);
    EXPECT_EQ(stored.SampleCount, 112000);
    EXPECT_EQ(QByteArray(stored.Remark.data(), 24), QByteArray("remark kept by the store"));
    EXPECT_EQ(stored.Rank, 4);
    EXPECT_EQ(stored.MeasuredAt, ToAutomationDate(measuredAt));
    EXPECT_EQ(stored.Reserved1, -1);
    EXPECT_EQ(stored.NoiseCutLevel, 25);
    EXPECT_EQ(stored.MeasureSeconds, 7);
    EXPECT_EQ(stored.Quality, 1);
}

TEST_F(ResultStoreTest, RawSumsBeyondTheirFieldsSaturateAndThePointsStay)
{
    folder.Write(Log, LogOf({}));
    MeasureResult loud;
    loud.SampleCount = 1440000;
    loud.IntegRaw = int64_t(1440000) * 32768;
    loud.MaxRaw = int64_t(144000) * 32700 * 10;
    loud.IntegPoints = Points{1000};
    loud.MaxPoints = Points{997};
    loud.TotalPoints = Points{1997};
    ASSERT_EQ(FaultOf(StoreResult(context, MeasuredNow(context, 1, loud))), std::nullopt);
    const ResultRecord stored = RecordOf(folder.Read(Log), 1);
    EXPECT_EQ(stored.IntegRaw, 2147483647);
    EXPECT_EQ(stored.MaxRaw, 2147483647);
    EXPECT_EQ(stored.TotalPoints, 1997);
    EXPECT_EQ(ScanLog(context), 2);
}

TEST_F(ResultStoreTest, StoringPastTheEndOfAShortLogLeavesNoMeasuredLookingGap)
{
    MeasureResult result;
    result.TotalPoints = Points{5};
    ASSERT_EQ(FaultOf(StoreResult(context, MeasuredNow(context, 3, result))), std::nullopt);
    const QByteArray log = folder.Read(Log);
    ASSERT_EQ(log.size(), 70 * 3);
    EXPECT_TRUE(RecordOf(log, 1).IsUnused());
    EXPECT_TRUE(RecordOf(log, 2).IsUnused());
    EXPECT_EQ(RecordOf(log, 3).TotalPoints, 5);
}

TEST_F(ResultStoreTest, AFailedStoreSaysWhyAndChangesNothing)
{
    MeasureResult result;
    result.TotalPoints = Points{5};
    MeasureResult tooMany = result;
    tooMany.TotalPoints = Points{40000};
    EXPECT_EQ(FaultOf(StoreResult(context, MeasuredNow(context, 0, result))), LogWriteFault::NotStorable);
    EXPECT_EQ(FaultOf(StoreResult(context, MeasuredNow(context, 3001, result))), LogWriteFault::NotStorable);
    EXPECT_EQ(FaultOf(StoreResult(context, MeasuredNow(context, 1, tooMany))), LogWriteFault::NotStorable);
    ASSERT_TRUE(QDir(folder.Dir.path()).mkdir(Log));
    EXPECT_EQ(FaultOf(StoreResult(context, MeasuredNow(context, 1, result))), LogWriteFault::LogUnreadable);
}

TEST_F(ResultStoreTest, ARecordInUseIsNeverStoredOver)
{
    // Another copy of the program on the same folder stored entrant 2 first.
    const QByteArray log = LogOf({900, 1151});
    folder.Write(Log, log);
    MeasureResult result;
    result.TotalPoints = Points{5};
    EXPECT_EQ(FaultOf(StoreResult(context, MeasuredNow(context, 2, result))), LogWriteFault::RecordInUse);
    EXPECT_EQ(folder.Read(Log), log);
}

TEST_F(ResultStoreTest, ALogThatCannotBeClearedIsReported)
{
    ASSERT_TRUE(QDir(folder.Dir.path()).mkdir(Log));
    const std::optional<LogNotCleared> failure = ClearLog(context);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->Path, folder.Path(Log));
}
