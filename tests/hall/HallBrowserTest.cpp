// The ranking page in a real browser (headless Chromium) at phone size: the
// rows come from the page's own script, which polls the JSON. Leaves the
// screenshots "hall-phone.png" and, with sound levels, "hall-phone-levels.png"
// in the test's folder for a person to look at.
#include "hall/HallServer.h"

#include "support/HallClient.h"
#include "support/ResultLog.h"
#include "support/StoreFolder.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <thread>

namespace {

QString Chromium()
{
    return QStandardPaths::findExecutable(QStringLiteral("chromium"));
}

// Chromium's output for `arguments` after the page had `seconds` of its
// (virtual) time: its timers run at once while no request is pending.
QString RunChromium(const QStringList& arguments, const QString& url, int seconds = 5)
{
    QProcess browser;
    browser.start(Chromium(), QStringList{"--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                                          "--disable-background-networking", "--no-first-run", "--window-size=390,844",
                                          QStringLiteral("--virtual-time-budget=%1").arg(seconds * 1000)} +
                                  arguments + QStringList{url});
    if (!browser.waitForFinished(120000)) {
        browser.kill();
        browser.waitForFinished();
    }
    return QString::fromUtf8(browser.readAllStandardOutput());
}

// Between the browser and the server: counts the bytes the browser is sent,
// and calls `onRanking` as each request for the ranking passes.
class CountingProxy {
public:
    CountingProxy(int serverPort, std::function<void()> onRanking)
        : ServerPort(serverPort), OnRanking(std::move(onRanking))
    {
        Listening = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(Listening, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(Listening, 16);
        socklen_t length = sizeof address;
        ::getsockname(Listening, reinterpret_cast<sockaddr*>(&address), &length);
        Port = ntohs(address.sin_port);
        Acceptor = std::thread([this] {
            for (int client; (client = ::accept(Listening, nullptr, nullptr)) >= 0;)
                Pipes.emplace_back([this, client] { Carry(client, Connect(ServerPort)); });
        });
    }
    ~CountingProxy()
    {
        ::shutdown(Listening, SHUT_RDWR);
        Acceptor.join();
        for (std::thread& pipe : Pipes)
            pipe.join();
        ::close(Listening);
    }

    int Port = 0;
    std::atomic<size_t> BytesToBrowser = 0;

private:
    void Carry(int browser, int server)
    {
        pollfd ends[] = {{browser, POLLIN, 0}, {server, POLLIN, 0}};
        char buffer[65536];
        while (::poll(ends, 2, 10000) > 0) {
            const bool fromBrowser = (ends[0].revents & (POLLIN | POLLHUP)) != 0;
            const ssize_t n = ::recv(fromBrowser ? browser : server, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            if (fromBrowser && std::string_view(buffer, size_t(n)).starts_with("GET /api/ranking"))
                OnRanking();
            if (!fromBrowser)
                BytesToBrowser += size_t(n);
            ::send(fromBrowser ? server : browser, buffer, size_t(n), MSG_NOSIGNAL);
        }
        ::close(browser);
        ::close(server);
    }

    int ServerPort;
    std::function<void()> OnRanking;
    int Listening = -1;
    std::thread Acceptor;
    std::vector<std::thread> Pipes;
};

std::vector<int> ShownEntryNumbers(const QString& dom)
{
    static const QRegularExpression row(QStringLiteral("class=\"row[^\"]*\" href=\"/entrant/([0-9]+)\""));
    std::vector<int> shown;
    for (const QRegularExpressionMatch& match : row.globalMatch(dom))
        shown.push_back(match.captured(1).toInt());
    return shown;
}

}

TEST(HallBrowser, ThePagesScriptRendersEveryRankAtPhoneSize)
{
    if (Chromium().isEmpty())
        GTEST_SKIP() << "no chromium";
    std::vector<ResultRecord> log;
    for (int n = 1; n <= 12; ++n)
        log.push_back(StoredEntrant(n, 500 + (n * 37) % 11 * 40));
    HallServer server;
    server.Replace(BuildHallSnapshot(log, QDateTime::currentDateTime(),
                                     [](int entryNo) { return entryNo == 5 ? std::optional(QStringLiteral("山田　花子")) : std::nullopt; },
                                     {}));
    ASSERT_TRUE(server.Start(0).Listening());
    const QString url = QStringLiteral("http://127.0.0.1:%1/").arg(server.Port());

    const QString dom = RunChromium({"--dump-dom"}, url);
    EXPECT_EQ(dom.count(QStringLiteral("class=\"row")), 12) << dom.toStdString();
    EXPECT_EQ(dom.count(QStringLiteral("class=\"row latest\"")), 1);
    EXPECT_EQ(dom.count(QStringLiteral("class=\"pinned latest\" href=\"/entrant/12\"")), 1);
    EXPECT_TRUE(dom.contains(QStringLiteral("No.5 山田　花子")));
    EXPECT_TRUE(dom.contains(QStringLiteral("12人")));

    const QString picture = QDir::current().filePath(QStringLiteral("hall-phone.png"));
    QFile::remove(picture);
    RunChromium({"--screenshot=" + picture}, url);
    EXPECT_TRUE(QFile::exists(picture));

    // With calibrated levels: each measured entrant's LAFmax in its row, the
    // distance they hold for at the top.
    HallLevels levels{50, {}};
    levels.Levels[5] = EntrantLevel{112.34, 125.0, 104.2, true, 101.5, 50};
    levels.Levels[7] = EntrantLevel{98.66, 110.1, 91.0, false, 101.5, 50};
    server.Replace(BuildHallSnapshot(log, QDateTime::currentDateTime(), [](int) { return std::nullopt; }, {}, levels));
    const QString withLevels = RunChromium({"--dump-dom"}, url);
    EXPECT_EQ(withLevels.count(QStringLiteral("<div class=\"parts\">音圧レベル ")), 2) << withLevels.toStdString();
    EXPECT_TRUE(withLevels.contains(QStringLiteral("音圧レベル ≥112.3 dB(A)")));
    EXPECT_TRUE(withLevels.contains(QStringLiteral("音圧レベル 98.7 dB(A)")));
    EXPECT_TRUE(withLevels.contains(QStringLiteral("音圧レベルはマイクから 50 cm")));
    const QString levelsPicture = QDir::current().filePath(QStringLiteral("hall-phone-levels.png"));
    QFile::remove(levelsPicture);
    RunChromium({"--screenshot=" + levelsPicture}, url);
    EXPECT_TRUE(QFile::exists(levelsPicture));

    server.Replace(UnreadableHallSnapshot(QDateTime::currentDateTime()));
    const QString preparing = RunChromium({"--dump-dom"}, url);
    EXPECT_TRUE(preparing.contains(QStringLiteral("結果を準備しています"))) << preparing.toStdString();
    EXPECT_EQ(preparing.count(QStringLiteral("class=\"row")), 0);
}

TEST(HallBrowser, APhoneFollowingAFullContestDownloadsLittlePerStoredResult)
{
    if (Chromium().isEmpty())
        GTEST_SKIP() << "no chromium";
    // 2990 entrants, then ten more stored while the phone follows.
    std::vector<ResultRecord> log;
    for (int n = 1; n <= 3000; ++n)
        log.push_back(StoredEntrant(n, 300 + (n * 7919) % 1500));
    std::vector<HallSnapshotPtr> stored;
    for (size_t count = 2990; count <= 3000; ++count)
        stored.push_back(BuildHallSnapshot({log.begin(), log.begin() + ptrdiff_t(count)}, QDateTime::currentDateTime(),
                                           [](int) { return QStringLiteral("山田　太郎"); }, {}));
    HallServer server;
    server.Replace(stored[0]);
    ASSERT_TRUE(server.Start(0).Listening());
    // A result is stored at every second poll of the page.
    std::atomic<size_t> polls = 0;
    CountingProxy proxy(server.Port(), [&] {
        const size_t poll = ++polls;
        if (poll % 2 == 0 && poll / 2 < stored.size())
            server.Replace(stored[poll / 2]);
    });

    const QString dom = RunChromium({"--dump-dom"}, QStringLiteral("http://127.0.0.1:%1/").arg(proxy.Port), 60);
    ASSERT_GE(polls, 2 * (stored.size() - 1)) << "the page did not follow ten stored results";
    const std::vector<int> shown = ShownEntryNumbers(dom);
    ASSERT_EQ(shown.size(), 20u) << dom.toStdString();
    for (size_t rank = 0; rank < shown.size(); ++rank)
        EXPECT_EQ(shown[rank], stored.back()->Entrants[rank].EntryNo) << "rank " << rank + 1;
    EXPECT_TRUE(dom.contains(QStringLiteral("class=\"pinned latest\" href=\"/entrant/3000\"")));
    EXPECT_TRUE(dom.contains(QStringLiteral("3000人")));
    // Everything the phone was sent, the page itself included.
    const size_t perResult = proxy.BytesToBrowser / (stored.size() - 1);
    RecordProperty("bytes_per_stored_result", int(perResult));
    EXPECT_LE(perResult, 5000u);
}
