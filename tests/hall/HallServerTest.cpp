#include "hall/HallServer.h"

#include "support/HallClient.h"
#include "support/ResultLog.h"
#include "support/StoreFolder.h"

#include <gtest/gtest.h>

namespace {

class HallServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteLog(folder, {StoredEntrant(1, 700), StoredEntrant(2, 900), StoredEntrant(3, 700)});
        snapshot = ReadHallSnapshot(folder.Context, QDateTime::currentDateTime(), {}, nullptr);
        server.Replace(snapshot);
        ASSERT_EQ(server.Start(0), HallStart::Listening);
        port = server.Port();
    }

    StoreFolder folder;
    HallSnapshotPtr snapshot;
    HallServer server;
    int port = 0;
};

}

TEST_F(HallServerTest, AnswersFromTheLatestSnapshotAnd304ForAnUnchangedTag)
{
    const std::string ranking = Exchange(port, Get("/api/ranking"));
    EXPECT_EQ(StatusOf(ranking), 200);
    EXPECT_NE(ranking.find("ETag: " + snapshot->RankingTag), std::string::npos);
    EXPECT_EQ(BodyOf(ranking), snapshot->RankingJson);

    const std::string unchanged = Exchange(port, Get("/api/ranking", "If-None-Match: " + snapshot->RankingTag + "\r\n"));
    EXPECT_EQ(StatusOf(unchanged), 304);
    EXPECT_EQ(BodyOf(unchanged), "");

    WriteLog(folder, {StoredEntrant(1, 700), StoredEntrant(2, 900), StoredEntrant(3, 700), StoredEntrant(4, 1000)});
    const HallSnapshotPtr next = ReadHallSnapshot(folder.Context, QDateTime::currentDateTime(), {}, snapshot.get());
    server.Replace(next);
    const std::string changed = Exchange(port, Get("/api/ranking", "If-None-Match: " + snapshot->RankingTag + "\r\n"));
    EXPECT_EQ(StatusOf(changed), 200);
    EXPECT_EQ(BodyOf(changed), next->RankingJson);

    EXPECT_EQ(StatusOf(Exchange(port, Get("/entrant/4"))), 200);
    EXPECT_EQ(BodyOf(Exchange(port, Get("/api/entrant/4"))), next->EntrantJson.at(4));
    EXPECT_EQ(StatusOf(Exchange(port, Get("/api/entrant/5"))), 404);
    const std::string head = Exchange(port, "HEAD / HTTP/1.1\r\nHost: zuvelo\r\n\r\n");
    EXPECT_EQ(StatusOf(head), 200);
    EXPECT_EQ(BodyOf(head), "");
}

TEST_F(HallServerTest, RefusesBadRequestsServesNoFileAndKeepsAnswering)
{
    folder.Write(QStringLiteral("secret.txt"), "contest-file-content");
    const std::string folderName = folder.Context.Folder.Path().toStdString();
    const struct {
        std::string Request;
        int Status;
    } cases[] = {
        {"POST /api/ranking HTTP/1.1\r\nHost: z\r\nContent-Length: 2\r\n\r\n{}", 405},
        {"PUT / HTTP/1.1\r\nHost: z\r\nContent-Length: 0\r\n\r\n", 405},
        {"DELETE /api/entrant/1 HTTP/1.1\r\nHost: z\r\n\r\n", 405},
        {"OPTIONS * HTTP/1.1\r\nHost: z\r\n\r\n", 405},
        {Get("/../../../../etc/passwd"), 404},
        {Get("/%2e%2e/%2e%2e/%2E%2E/etc/passwd"), 404},
        {Get("/entrant/..%2f..%2fsecret.txt"), 404},
        {Get("/" + folderName + "/secret.txt"), 404},
        {Get("http://zuvelo" + folderName + "/secret.txt"), 404},
        {Get("/secret.txt"), 404},
        {Get("/loudlog.dat"), 404},
        {Get("/entrant/01"), 404},
        {Get("/" + std::string(9000, 'a')), 414},
        {Get("/", "X-Big: " + std::string(100 * 1024, 'b') + "\r\n"), 431},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.Request.substr(0, 60));
        const std::string answer = Exchange(port, bad.Request);
        EXPECT_EQ(StatusOf(answer), bad.Status);
        EXPECT_EQ(answer.find("contest-file-content"), std::string::npos);
        EXPECT_EQ(answer.find(folderName), std::string::npos);
    }
    EXPECT_EQ(StatusOf(Exchange(port, Get("/api/ranking"))), 200);
}

TEST_F(HallServerTest, ConnectionsBeyondTheLimitGet503AndTheRestAreServed)
{
    // All connections open before any sends: none can have been answered yet.
    std::vector<int> sockets;
    for (int n = 0; n < 300; ++n)
        sockets.push_back(Connect(port));
    usleep(300 * 1000);
    for (int socket : sockets)
        Send(socket, Get("/api/ranking"));
    std::map<int, int> statuses;
    for (int socket : sockets)
        ++statuses[StatusOf(ReceiveAll(socket))];
    EXPECT_EQ(statuses[200], HallServer::MaxConnections);
    EXPECT_EQ(statuses[503], 300 - HallServer::MaxConnections);
    EXPECT_EQ(StatusOf(Exchange(port, Get("/api/ranking"))), 200);
}

TEST_F(HallServerTest, APortInUseIsReportedAndNothingListens)
{
    HallServer second;
    EXPECT_EQ(second.Start(port), HallStart::PortInUse);
    EXPECT_FALSE(second.IsListening());
}
