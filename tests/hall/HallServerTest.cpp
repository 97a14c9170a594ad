#include "hall/HallServer.h"

#include "hall/HallAnswers.h"
#include "support/HallClient.h"
#include "support/HeapInUse.h"
#include "support/ResultLog.h"
#include "support/StoreFolder.h"

#include <QElapsedTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <thread>
#include <zlib.h>

namespace {

class HallServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        snapshot = BuildHallSnapshot({StoredEntrant(1, 700), StoredEntrant(2, 900), StoredEntrant(3, 700)},
                                     QDateTime::currentDateTime(), {}, {});
        server.Replace(snapshot);
        ASSERT_TRUE(server.Start(0).Listening());
        port = server.Port();
    }

    HallSnapshotPtr snapshot;
    HallServer server;
    int port = 0;
};

std::string Gunzip(const std::string& packed)
{
    z_stream stream{};
    inflateInit2(&stream, 15 + 16);
    std::string plain(1 << 20, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = uInt(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(plain.data());
    stream.avail_out = uInt(plain.size());
    inflate(&stream, Z_FINISH);
    plain.resize(stream.total_out);
    inflateEnd(&stream);
    return plain;
}

// A contest of 3000 entrants, the most a log holds.
HallSnapshotPtr FullContest()
{
    std::vector<ResultRecord> log;
    for (int n = 1; n <= 3000; ++n)
        log.push_back(StoredEntrant(n, 300 + (n * 7919) % 1500));
    return BuildHallSnapshot(log, QDateTime::currentDateTime(), [](int) { return QStringLiteral("山田　太郎"); }, {});
}

}

TEST_F(HallServerTest, AnswersFromTheLatestSnapshotAnd304ForAnUnchangedTag)
{
    const std::string ranking = Exchange(port, Get("/api/ranking"));
    EXPECT_EQ(StatusOf(ranking), 200);
    EXPECT_EQ(HeaderOf(ranking, "ETag"), snapshot->RankingTag);
    EXPECT_EQ(BodyOf(ranking), snapshot->RankingJson);

    const std::string unchanged = Exchange(port, Get("/api/ranking", "If-None-Match: " + snapshot->RankingTag + "\r\n"));
    EXPECT_EQ(StatusOf(unchanged), 304);
    EXPECT_EQ(BodyOf(unchanged), "");

    const HallSnapshotPtr next = BuildHallSnapshot(
        {StoredEntrant(1, 700), StoredEntrant(2, 900), StoredEntrant(3, 700), StoredEntrant(4, 1000)}, QDateTime::currentDateTime(), {}, {});
    server.Replace(next);
    const std::string changed = Exchange(port, Get("/api/ranking", "If-None-Match: " + snapshot->RankingTag + "\r\n"));
    EXPECT_EQ(StatusOf(changed), 200);
    EXPECT_EQ(BodyOf(changed), next->RankingJson);

    EXPECT_EQ(StatusOf(Exchange(port, Get("/entrant/4"))), 200);
    const std::string entrant = Exchange(port, Get("/api/entrant/4"));
    EXPECT_EQ(BodyOf(entrant), next->EntrantJson.at(4));
    EXPECT_EQ(StatusOf(Exchange(port, Get("/api/entrant/4", "If-None-Match: " + HeaderOf(entrant, "ETag") + "\r\n"))), 304);
    EXPECT_EQ(StatusOf(Exchange(port, Get("/api/entrant/5"))), 404);
    const std::string head = Exchange(port, "HEAD / HTTP/1.1\r\nHost: zuvelo\r\n\r\n");
    EXPECT_EQ(StatusOf(head), 200);
    EXPECT_EQ(BodyOf(head), "");
}

TEST_F(HallServerTest, APartOfTheRankingGoesGzippedWithItsOwnTag)
{
    const HallSnapshotPtr full = FullContest();
    server.Replace(full);
    const std::string gzip = "Accept-Encoding: gzip, deflate\r\n";
    const std::string part = Exchange(port, Get("/api/ranking?limit=20", gzip));
    EXPECT_EQ(HeaderOf(part, "Content-Encoding"), "gzip");
    EXPECT_EQ(Gunzip(BodyOf(part)), full->RankingSlice(0, 20));
    EXPECT_LT(part.size(), 2000u);
    const std::string tag = HeaderOf(part, "ETag");
    EXPECT_NE(tag, "W/" + full->RankingTag);
    EXPECT_EQ(StatusOf(Exchange(port, Get("/api/ranking?limit=20", gzip + "If-None-Match: " + tag + "\r\n"))), 304);

    EXPECT_EQ(Gunzip(BodyOf(Exchange(port, Get("/api/ranking", gzip)))), full->RankingJson);
    EXPECT_EQ(BodyOf(Exchange(port, Get("/api/ranking?offset=2990&limit=100000"))), full->RankingSlice(2990, 500));
    EXPECT_EQ(HeaderOf(Exchange(port, Get("/api/ranking", "Accept-Encoding: gzip;q=0\r\n")), "Content-Encoding"), "");
}

TEST_F(HallServerTest, AnUnreadableLogIsServedAsBeingPreparedUntilItIsReadable)
{
    server.Replace(UnreadableHallSnapshot(QDateTime::currentDateTime()));
    for (const char* path : {"/api/ranking", "/api/ranking?limit=20", "/api/entrant/1"}) {
        SCOPED_TRACE(path);
        const std::string answer = Exchange(port, Get(path));
        EXPECT_EQ(StatusOf(answer), 503);
        EXPECT_EQ(BodyOf(answer), "{\"error\":\"結果を準備しています\"}");
    }
    EXPECT_EQ(StatusOf(Exchange(port, Get("/entrant/1"))), 503);
    EXPECT_EQ(StatusOf(Exchange(port, Get("/"))), 200);
    server.Replace(snapshot);
    EXPECT_EQ(BodyOf(Exchange(port, Get("/api/ranking"))), snapshot->RankingJson);
}

TEST_F(HallServerTest, RefusesBadRequestsServesNoFileAndKeepsAnswering)
{
    StoreFolder folder;
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
        {Get("/api/ranking?limit=-1"), 400},
        {Get("/api/ranking?offset=1e9"), 400},
        {Get("/" + std::string(40000, 'a')), 414},
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
    // All connections open before any sends, each phone within its own
    // limit: none can have been answered yet.
    std::vector<int> sockets;
    for (int n = 0; n < 300; ++n)
        sockets.push_back(Connect(port, ("127.0.1." + std::to_string(1 + n / HallServer::ConnectionsPerClient)).c_str()));
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

TEST_F(HallServerTest, HostileRequestsHoldLittleMemoryAndEveryoneElseIsServed)
{
    server.Replace(FullContest());
    std::string ranges = "Range: bytes=0-";
    for (int n = 1; n < 2700; ++n)
        ranges += ",0-";
    const struct {
        const char* Name;
        std::string Request;
    } cases[] = {
        {"2700 ranges", Get("/api/ranking", ranges + "\r\n")},
        {"100 000 header lines", Get("/api/ranking", [] {
             std::string lines;
             for (int n = 0; n < 100000; ++n)
                 lines += "X: y\r\n";
             return lines;
         }())},
        {"a 10 MB header", Get("/api/ranking", "X-Big: " + std::string(10 << 20, 'b') + "\r\n")},
        {"headers never finished", "GET /api/ranking HTTP/1.1\r\nHost: zuvelo\r\n"},
    };
    const size_t before = HeapInUse();
    for (const auto& hostile : cases) {
        SCOPED_TRACE(hostile.Name);
        // Several phones at once, none reading what it is sent.
        std::vector<int> sockets;
        std::vector<std::thread> senders;
        for (int n = 0; n < 4 * HallServer::ConnectionsPerClient; ++n) {
            sockets.push_back(Connect(port, ("127.0.2." + std::to_string(1 + n / HallServer::ConnectionsPerClient)).c_str()));
            senders.emplace_back([socket = sockets.back(), &hostile] { Send(socket, hostile.Request); });
        }
        usleep(500 * 1000);
        EXPECT_LT(HeapInUse(), before + (64u << 20));
        EXPECT_EQ(StatusOf(Exchange(port, Get("/api/ranking?limit=20"))), 200);
        for (int socket : sockets)
            ::shutdown(socket, SHUT_RDWR);
        for (std::thread& sender : senders)
            sender.join();
        for (int socket : sockets)
            ::close(socket);
    }
}

TEST_F(HallServerTest, IdleAndDribblingConnectionsOfOnePhoneDelayNobody)
{
    std::atomic<bool> attacking = true;
    std::atomic<int> cutByTheServer = 0;
    std::vector<std::thread> attackers;
    for (int n = 0; n < 100; ++n)
        attackers.emplace_back([&] {
            const int socket = Connect(port, "127.0.0.2");
            while (attacking)
                usleep(50 * 1000);
            ::close(socket);
        });
    for (int n = 0; n < 20; ++n)
        attackers.emplace_back([&] {
            const int socket = Connect(port, "127.0.0.2");
            const std::string request = Get("/api/ranking", "X-Slow: " + std::string(1000, 's') + "\r\n");
            for (size_t sent = 0; attacking && sent < request.size(); ++sent) {
                if (::send(socket, &request[sent], 1, MSG_NOSIGNAL) != 1) {
                    ++cutByTheServer;
                    break;
                }
                usleep(200 * 1000);
            }
            ::close(socket);
        });
    // Through the header deadline and past it.
    QElapsedTimer attack;
    attack.start();
    qint64 slowest = 0;
    while (attack.elapsed() < 1000 * (HallServer::HeaderDeadline.count() + 3)) {
        QElapsedTimer took;
        took.start();
        EXPECT_EQ(StatusOf(Exchange(port, Get("/api/ranking"))), 200);
        slowest = std::max(slowest, took.elapsed());
        usleep(100 * 1000);
    }
    attacking = false;
    for (std::thread& attacker : attackers)
        attacker.join();
    EXPECT_LT(slowest, 1000);
    EXPECT_EQ(cutByTheServer, 20);
}

TEST_F(HallServerTest, StoppingClosesEveryConnectionAtOnce)
{
    std::vector<int> dribbling;
    for (int n = 0; n < 2; ++n) {
        dribbling.push_back(Connect(port));
        Send(dribbling.back(), "GET / HTTP/1.1\r\nX-Slow: s");
    }
    usleep(100 * 1000);
    QElapsedTimer stopping;
    stopping.start();
    server.Stop();
    EXPECT_LT(stopping.elapsed(), 1000);
    for (int socket : dribbling)
        EXPECT_EQ(ReceiveAll(socket), "");
}

TEST_F(HallServerTest, APortInUseIsReportedForEachFamilyAndNothingListens)
{
    HallServer second;
    const HallStart outcome = second.Start(port);
    EXPECT_EQ(outcome.IPv4, HallBindFailure::PortInUse);
    EXPECT_EQ(outcome.IPv6, HallBindFailure::PortInUse);
    EXPECT_FALSE(second.IsListening());
}

TEST(HallServerFamilies, EitherFamilyAloneServesThePage)
{
    for (const int missing : {AF_INET6, AF_INET}) {
        SCOPED_TRACE(missing == AF_INET ? "no IPv4" : "no IPv6");
        HallServer server([missing](int family, int port) -> std::variant<int, HallBindFailure> {
            if (family == missing)
                return HallBindFailure::FamilyUnavailable;
            return OpenListenSocket(family, port);
        });
        const HallStart outcome = server.Start(0);
        ASSERT_TRUE(outcome.Listening());
        EXPECT_EQ(missing == AF_INET ? outcome.IPv4 : outcome.IPv6, HallBindFailure::FamilyUnavailable);
        const int socket = missing == AF_INET ? Connect6(server.Port()) : Connect(server.Port());
        Send(socket, Get("/api/ranking"));
        EXPECT_EQ(StatusOf(ReceiveAll(socket)), 200);
    }
}
