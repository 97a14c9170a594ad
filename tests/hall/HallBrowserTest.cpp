// The ranking page in a real browser (headless Chromium) at phone size: the
// rows come from the page's own script, which polls the JSON. Leaves the
// screenshot "hall-phone.png" in the test's folder for a person to look at.
#include "hall/HallServer.h"

#include "support/ResultLog.h"
#include "support/StoreFolder.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

QString Chromium()
{
    return QStandardPaths::findExecutable(QStringLiteral("chromium"));
}

// Chromium's output for `arguments` after the page had 5 seconds of its time.
QString RunChromium(const QStringList& arguments, const QString& url)
{
    QProcess browser;
    browser.start(Chromium(), QStringList{"--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                                          "--window-size=390,844", "--virtual-time-budget=5000"} +
                                  arguments + QStringList{url});
    if (!browser.waitForFinished(60000)) {
        browser.kill();
        browser.waitForFinished();
    }
    return QString::fromUtf8(browser.readAllStandardOutput());
}

}

TEST(HallBrowser, ThePagesScriptRendersEveryRankAtPhoneSize)
{
    if (Chromium().isEmpty())
        GTEST_SKIP() << "no chromium";
    StoreFolder folder;
    std::vector<ResultRecord> log;
    for (int n = 1; n <= 12; ++n)
        log.push_back(StoredEntrant(n, 500 + (n * 37) % 11 * 40));
    WriteLog(folder, log);
    HallServer server;
    server.Replace(ReadHallSnapshot(folder.Context, QDateTime::currentDateTime(),
                                    [](int entryNo) { return entryNo == 5 ? std::optional(QStringLiteral("山田　花子")) : std::nullopt; },
                                    nullptr));
    ASSERT_EQ(server.Start(0), HallStart::Listening);
    const QString url = QStringLiteral("http://127.0.0.1:%1/").arg(server.Port());

    const QString dom = RunChromium({"--dump-dom"}, url);
    EXPECT_EQ(dom.count(QStringLiteral("class=\"row")), 12) << dom.toStdString();
    EXPECT_EQ(dom.count(QStringLiteral("class=\"row latest\"")), 1);
    EXPECT_TRUE(dom.contains(QStringLiteral("No.5 山田　花子")));
    EXPECT_TRUE(dom.contains(QStringLiteral("12人")));

    const QString picture = QDir::current().filePath(QStringLiteral("hall-phone.png"));
    QFile::remove(picture);
    RunChromium({"--screenshot=" + picture}, url);
    EXPECT_TRUE(QFile::exists(picture));
}
