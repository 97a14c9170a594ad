#include "core/EntrantImport.h"
#include "core/EntrantRoster.h"

#include "core/Cp932.h"
#include "support/StoreFolder.h"

#include <gtest/gtest.h>

namespace {

const QString Yoshi = QString::fromUcs4(U"𠮷");

EntrantRoster Roster(std::initializer_list<std::pair<int, EntrantName>> entries)
{
    EntrantRoster roster;
    for (const auto& [number, entrant] : entries)
        roster.Set(number, entrant);
    return roster;
}

}

TEST(EntrantRoster, IsWrittenInNumberOrderAndReadBackByteForByte)
{
    StoreFolder folder;
    const EntrantRoster roster = Roster({{12, {Yoshi + QStringLiteral("田 太郎"), QStringLiteral("髙橋商店")}},
                                         {3, {QStringLiteral("Smith, \"Jo\""), QString()}},
                                         {3000, {QString(40, QChar(u'あ')), Yoshi.repeated(40)}}});
    ASSERT_TRUE(WriteEntrantRoster(folder.Context.Folder, roster));
    const QByteArray expected = QByteArray("\xEF\xBB\xBF") +
                                QStringLiteral("エントリーNo,名前,所属\r\n3,\"Smith, \"\"Jo\"\"\",\r\n12,%1田 太郎,髙橋商店\r\n3000,%2,%3\r\n")
                                    .arg(Yoshi, QString(40, QChar(u'あ')), Yoshi.repeated(40))
                                    .toUtf8();
    EXPECT_EQ(folder.Read(QStringLiteral("entrants.csv")), expected);
    const RosterRead read = ReadEntrantRoster(folder.Context.Folder);
    EXPECT_EQ(read.State, RosterRead::Outcome::Listed);
    EXPECT_EQ(read.Roster, roster);
    EXPECT_EQ(EntrantRosterText(read.Roster), expected);
}

TEST(EntrantRoster, AMissingFileHasNoNamesAndADamagedOneNamesItsLine)
{
    StoreFolder folder;
    EXPECT_EQ(ReadEntrantRoster(folder.Context.Folder).State, RosterRead::Outcome::None);
    const QByteArray header = "\xEF\xBB\xBF\xE3\x82\xA8\xE3\x83\xB3\xE3\x83\x88\xE3\x83\xAA\xE3\x83\xBC\x4E\x6F,\xE5\x90\x8D\xE5\x89\x8D,"
                              "\xE6\x89\x80\xE5\xB1\x9E\r\n";
    const struct {
        QByteArray Bytes;
        int Line;
    } damaged[] = {
        {"No,Name,Group\r\n1,A,\r\n", 1},
        {header + "1,A,\r\n0,B,\r\n", 3},
        {header + "3001,A,\r\n", 2},
        {header + "5,A,\r\n6,B,\r\n5,C,\r\n", 4},
        {header + "1,A,\r\n2,\xFF\xFE,\r\n", 3},
        {header + "1,\"A\r\nB,\r\n", 2},
        {header + "1,A,B,C\r\n", 2},
        {header + "1," + QString(41, QChar(u'x')).toUtf8() + ",\r\n", 2},
    };
    for (const auto& [bytes, line] : damaged) {
        const RosterRead read = ParseEntrantRoster(bytes, QStringLiteral("/c/entrants.csv"));
        EXPECT_EQ(read.State, RosterRead::Outcome::Damaged) << bytes.toStdString();
        EXPECT_EQ(read.Line, line) << bytes.toStdString();
        EXPECT_EQ(read.File, QStringLiteral("/c/entrants.csv"));
        EXPECT_TRUE(read.Roster.IsEmpty());
    }
}

TEST(EntrantRoster, AListSavedAgainByASpreadsheetReadsAsItMeant)
{
    const QString header = QStringLiteral("エントリーNo,名前,所属");
    const struct {
        const char* What;
        QByteArray Bytes;
        EntrantRoster Expected;
    } cases[] = {
        {"code page 932", *EncodeCp932(header + QStringLiteral("\r\n2,髙田,北\r\n")), Roster({{2, {QStringLiteral("髙田"), QStringLiteral("北")}}})},
        {"empty cells and rows", (header + QStringLiteral(",,\r\n2,A,,\r\n,,,\r\n")).toUtf8(), Roster({{2, {QStringLiteral("A"), {}}}})},
        {"a name of two lines", (header + QStringLiteral("\r\n2,\"A\r\nB\",\"\u2066C\u2069\"\r\n")).toUtf8(),
         Roster({{2, {QStringLiteral("A B"), QStringLiteral("C")}}})},
    };
    for (const auto& [what, bytes, expected] : cases) {
        const RosterRead read = ParseEntrantRoster(bytes, QStringLiteral("/c/entrants.csv"));
        EXPECT_EQ(read.State, RosterRead::Outcome::Listed) << what;
        EXPECT_EQ(read.Roster, expected) << what;
    }
}

TEST(EntrantImport, ReadsSpreadsheetsAsTheyAreSaved)
{
    const QString yoshi = Yoshi + QStringLiteral("田");
    const auto cp932 = [](const QString& text) { return *EncodeCp932(text); };
    const auto header = UnnumberedFirstRow::Header;
    const auto entrant = UnnumberedFirstRow::Entrant;
    const struct {
        const char* What;
        QByteArray Bytes;
        UnnumberedFirstRow FirstRow;
        EntrantRoster Expected;
    } cases[] = {
        {"code page 932, header, numbers", cp932(QStringLiteral("番号,氏名,所属\r\n7,髙田,A組\r\n2,山田,\r\n")), entrant,
         Roster({{7, {QStringLiteral("髙田"), QStringLiteral("A組")}}, {2, {QStringLiteral("山田"), {}}}})},
        {"code page 932, no header, no numbers", cp932(QStringLiteral("山田 太郎,B組\r\n\r\n鈴木\r\n")), entrant,
         Roster({{1, {QStringLiteral("山田 太郎"), QStringLiteral("B組")}}, {2, {QStringLiteral("鈴木"), {}}}})},
        {"UTF-8 with mark, header, no numbers",
         QByteArray("\xEF\xBB\xBF") + QStringLiteral("名前,所属\r\n%1,\"X, Y\"\r\n,\r\nAnn\r\n").arg(yoshi).toUtf8(), header,
         Roster({{1, {yoshi, QStringLiteral("X, Y")}}, {2, {QStringLiteral("Ann"), {}}}})},
        {"UTF-8 without mark, no header, numbers", QStringLiteral("10,%1\n 11 ,Bob,Z\n").arg(yoshi).toUtf8(), header,
         Roster({{10, {yoshi, {}}}, {11, {QStringLiteral("Bob"), QStringLiteral("Z")}}})},
        {"a header that is the only row without a number", QByteArray("Entry,Who\r\n4,Eve\r\n"), entrant,
         Roster({{4, {QStringLiteral("Eve"), {}}}})},
        {"Excel's empty columns and rows", cp932(QStringLiteral("1,,山田,北\r\n,,,\r\n2,,鈴木,南\r\n,,,\r\n")), entrant,
         Roster({{1, {QStringLiteral("山田"), QStringLiteral("北")}}, {2, {QStringLiteral("鈴木"), QStringLiteral("南")}}})},
        {"full-width numbers", QStringLiteral("１,山田,北\r\n１２,鈴木\r\n").toUtf8(), entrant,
         Roster({{1, {QStringLiteral("山田"), QStringLiteral("北")}}, {12, {QStringLiteral("鈴木"), {}}}})},
        {"a header over an empty column", QStringLiteral("番号,,氏名,所属\r\n3,,山田,北\r\n").toUtf8(), entrant,
         Roster({{3, {QStringLiteral("山田"), QStringLiteral("北")}}})},
        {"an unknown header, taken for one", QByteArray("Entrant,Club\r\nAnn,A\r\nBob,B\r\n"), header,
         Roster({{1, {QStringLiteral("Ann"), QStringLiteral("A")}}, {2, {QStringLiteral("Bob"), QStringLiteral("B")}}})},
        {"an unknown header, taken for an entrant", cp932(QStringLiteral("選手名,所属\r\n山田,北\r\n")), entrant,
         Roster({{1, {QStringLiteral("選手名"), QStringLiteral("所属")}}, {2, {QStringLiteral("山田"), QStringLiteral("北")}}})},
        {"names of many lines", QStringLiteral("1,\"山田\r\n太郎\",\"\t北\u202E小\"\r\n").toUtf8(), entrant,
         Roster({{1, {QStringLiteral("山田 太郎"), QStringLiteral("北小")}}})},
    };
    for (const auto& [what, bytes, firstRow, expected] : cases) {
        const EntrantImport import = ImportEntrantSpreadsheet(bytes, firstRow);
        EXPECT_EQ(import.Problem, EntrantImport::Fault::None) << what;
        EXPECT_EQ(import.Roster, expected) << what;
    }
}

TEST(EntrantImport, OnlyAnUnnumberedListLeavesItsFirstRowInDoubt)
{
    const EntrantImport unnumbered = ImportEntrantSpreadsheet("Entrant,,Club\r\nAnn,,A\r\n");
    EXPECT_TRUE(unnumbered.FirstRowInDoubt);
    ASSERT_EQ(unnumbered.FirstRows.size(), 2u);
    EXPECT_EQ(unnumbered.FirstRows[1].Fields, (QStringList{QStringLiteral("Ann"), QStringLiteral("A")}));
    EXPECT_FALSE(ImportEntrantSpreadsheet("No,Name\r\n1,Ann\r\n").FirstRowInDoubt);
}

TEST(EntrantImport, RefusesBadNumbersLongTextsAndUnreadableFilesNamingTheLine)
{
    const struct {
        QByteArray Bytes;
        EntrantImport::Fault Fault;
        int Line;
    } cases[] = {
        {"No,Name\r\n1,A\r\n3001,B\r\n", EntrantImport::Fault::BadNumber, 3},
        {"1,A\r\n2,B\r\n1,C\r\n", EntrantImport::Fault::BadNumber, 3},
        {"1,A\r\n2,B,\"" + QByteArray(41, 'x') + "\"\r\n", EntrantImport::Fault::TooLong, 2},
        {"A\r\n\"B\r\n", EntrantImport::Fault::Unreadable, 2},
        {"\x82\xA0\xFF\xFF", EntrantImport::Fault::Unreadable, 1},
        {"1,A\r\n2,\x82\xA0\r\n3,\xFF\r\n", EntrantImport::Fault::Unreadable, 3},
        {"No,Name\r\n1,A\r\nB\r\n3,C\r\n", EntrantImport::Fault::BadNumber, 3},
        {",,\r\n,\r\n", EntrantImport::Fault::NoNames, 0},
        {"No,Name,Group\r\n1,,A\r\n", EntrantImport::Fault::NoNames, 0},
    };
    for (const auto& [bytes, fault, line] : cases) {
        const EntrantImport import = ImportEntrantSpreadsheet(bytes);
        EXPECT_EQ(import.Problem, fault) << bytes.toStdString();
        EXPECT_EQ(import.Line, line) << bytes.toStdString();
        EXPECT_TRUE(import.Roster.IsEmpty());
    }
}
