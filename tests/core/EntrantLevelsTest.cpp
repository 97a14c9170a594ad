// The entrants' sound levels beside the log: stored line by line before the
// entrant's record, the last line of a number counting, a damaged file named.
#include "core/EntrantLevels.h"

#include "support/StoreFolder.h"

#include <gtest/gtest.h>

namespace {

const QString File = QStringLiteral("soundlevels.csv");

EntrantLevels Levels(const StoreFolder& folder)
{
    const auto read = ReadEntrantLevels(folder.Context);
    EXPECT_TRUE(std::holds_alternative<EntrantLevels>(read));
    return std::holds_alternative<EntrantLevels>(read) ? std::get<EntrantLevels>(read) : EntrantLevels{};
}

}

TEST(EntrantLevels, AreStoredByEntryNumberTheLastLineOfANumberCounting)
{
    StoreFolder folder;
    EXPECT_TRUE(Levels(folder).empty()) << "no file, no levels";
    const EntrantLevel first{112.34, 125.0, 104.26, false, 101.5, 50}, again{98.0, 110.2, 90.1, true, 101.5, 50};
    ASSERT_FALSE(StoreEntrantLevel(folder.Context, 1, first));
    ASSERT_FALSE(StoreEntrantLevel(folder.Context, 2, again));
    ASSERT_FALSE(StoreEntrantLevel(folder.Context, 2, first));
    EXPECT_EQ(folder.Read(File), "entry,laFmax,lcPeak,laEq,clipped,offsetDb,distanceCm\n"
                                 "1,112.3,125.0,104.3,0,101.50,50\n2,98.0,110.2,90.1,1,101.50,50\n2,112.3,125.0,104.3,0,101.50,50\n");
    const EntrantLevels levels = Levels(folder);
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_DOUBLE_EQ(levels.at(2).LAFmax, 112.3);
    EXPECT_FALSE(levels.at(2).Clipped);

    ASSERT_FALSE(ClearEntrantLevels(folder.Context));
    EXPECT_TRUE(Levels(folder).empty());
    EXPECT_EQ(folder.Read(File), "entry,laFmax,lcPeak,laEq,clipped,offsetDb,distanceCm\n");
}

TEST(EntrantLevels, ALineCutShortByACrashIsLeftOutAndReplacedByTheNextStore)
{
    StoreFolder folder;
    folder.Write(File, "entry,laFmax,lcPeak,laEq,clipped,offsetDb,distanceCm\n1,112.3,125.0,104.3,0,101.50,50\n2,98.");
    EXPECT_EQ(Levels(folder).size(), 1u);
    ASSERT_FALSE(StoreEntrantLevel(folder.Context, 2, {99.0, 110.0, 90.0, false, 101.5, 50}));
    EXPECT_TRUE(folder.Read(File).endsWith("\n1,112.3,125.0,104.3,0,101.50,50\n2,99.0,110.0,90.0,0,101.50,50\n"));
    EXPECT_EQ(Levels(folder).size(), 2u);
}

TEST(EntrantLevels, ADamagedFileIsNamedWithItsLineAndNeverReadAsNoLevels)
{
    const struct {
        QByteArray Content;
        int Line;
    } cases[] = {
        {"entry,laFmax\n1,112.3,125.0,104.3,0,101.50,50\n", 1},
        {"entry,laFmax,lcPeak,laEq,clipped,offsetDb,distanceCm\n1,112.3,125.0,104.3,0,101.50,50\nx,1,2,3,0,100,50\n", 3},
        {"entry,laFmax,lcPeak,laEq,clipped,offsetDb,distanceCm\n3001,112.3,125.0,104.3,0,101.50,50\n", 2},
        {"entry,laFmax,lcPeak,laEq,clipped,offsetDb,distanceCm\n1,nan,125.0,104.3,0,101.50,50\n", 2},
        {"entry,laFmax,lcPeak,laEq,clipped,offsetDb,distanceCm\n1,112.3,125.0,104.3,2,101.50,50\n", 2},
        {QByteArray(5 * 1024 * 1024, '1'), 0},
    };
    for (const auto& [content, line] : cases) {
        StoreFolder folder;
        folder.Write(File, content);
        const auto read = ReadEntrantLevels(folder.Context);
        ASSERT_TRUE(std::holds_alternative<EntrantLevelsDamaged>(read)) << content.left(80).toStdString();
        EXPECT_EQ(std::get<EntrantLevelsDamaged>(read).Line, line);
        EXPECT_TRUE(std::get<EntrantLevelsDamaged>(read).Path.endsWith(File));
    }
}

TEST(EntrantLevels, ClearingAContestThatNeverHadLevelsMakesNoFile)
{
    StoreFolder folder;
    ASSERT_FALSE(ClearEntrantLevels(folder.Context));
    EXPECT_FALSE(folder.Exists(File));
}
