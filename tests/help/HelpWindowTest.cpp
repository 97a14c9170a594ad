#include "help/HelpWindow.h"

#include "support/WidgetTestSupport.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

// A manual of the contents and two chapters; one word is in a chapter's
// text, another only in its markup.
class HelpWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        const std::pair<const char*, const char*> pages[] = {
            {"index.html", "<title>目次</title><a href=\"01-start.html\">始める</a>"},
            {"01-start.html", "<title>始める前に</title><p class=\"Microphone\">マイクを差し込みます。</p>"},
            {"02-run.html", "<title>大会の進め方</title>測定画面"}};
        for (const auto& [name, html] : pages) {
            QFile file(Folder.filePath(QLatin1String(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(html);
        }
        Window = std::make_unique<HelpWindow>(Folder.path());
    }

    template <class Widget>
    Widget* Child(const char* role) const
    {
        return Window->findChild<Widget*>(QLatin1String(role));
    }

    QString Shown() const { return Child<QTextBrowser>("pageView")->source().fileName(); }

    QStringList Titles(const char* role) const
    {
        QStringList titles;
        for (int row = 0; row < Child<QListWidget>(role)->count(); ++row)
            titles << Child<QListWidget>(role)->item(row)->text();
        return titles;
    }

    QTemporaryDir Folder;
    std::unique_ptr<HelpWindow> Window;
};

}

TEST_F(HelpWindowTest, ListsThePagesInOrderAndRetracesThePagesShownBackAndForward)
{
    EXPECT_EQ(Titles("contentsList"),
              (QStringList{QStringLiteral("目次"), QStringLiteral("始める前に"), QStringLiteral("大会の進め方")}));
    auto* back = Child<QPushButton>("backButton");
    auto* forward = Child<QPushButton>("forwardButton");
    auto* contents = Child<QListWidget>("contentsList");
    EXPECT_FALSE(back->isEnabled());
    emit contents->itemClicked(contents->item(1));
    Child<QTextBrowser>("pageView")->setSource(QUrl::fromLocalFile(Folder.filePath(QStringLiteral("02-run.html"))));
    EXPECT_EQ(contents->currentRow(), 2) << "the list follows a link";

    back->click();
    EXPECT_EQ(Shown(), QStringLiteral("01-start.html"));
    back->click();
    EXPECT_EQ(Shown(), QStringLiteral("index.html"));
    EXPECT_FALSE(back->isEnabled());
    forward->click();
    EXPECT_EQ(Shown(), QStringLiteral("01-start.html"));
}

TEST_F(HelpWindowTest, TheSearchFindsTheTextOfAChapterButNeverItsMarkup)
{
    auto* box = Child<QLineEdit>("searchBox");
    box->setText(QStringLiteral("マイク"));
    Child<QPushButton>("searchButton")->click();
    EXPECT_EQ(Titles("searchResults"), QStringList{QStringLiteral("始める前に")});
    EXPECT_EQ(Child<QLabel>("searchStatus")->text(), QStringLiteral("1 ページ"));
    emit Child<QListWidget>("searchResults")->itemClicked(Child<QListWidget>("searchResults")->item(0));
    EXPECT_EQ(Shown(), QStringLiteral("01-start.html"));
    EXPECT_EQ(Child<QTextBrowser>("pageView")->textCursor().selectedText(), QStringLiteral("マイク"));

    box->setText(QStringLiteral("microphone")); // a class name only
    emit box->returnPressed();
    EXPECT_TRUE(Titles("searchResults").isEmpty());
    EXPECT_EQ(Child<QLabel>("searchStatus")->text(), QStringLiteral("見つかりません"));
}

TEST(PositionBeside, PutsTheWindowRightOfTheMenuAndKeepsItOnTheScreen)
{
    const QRect screen(0, 0, 1920, 1080);
    const QSize help(960, 680);
    EXPECT_EQ(PositionBeside(QRect(100, 200, 400, 400), help, screen), QPoint(500, 200));
    EXPECT_EQ(PositionBeside(QRect(1500, 200, 400, 400), help, screen), QPoint(960, 200)) << "pushed left";
    EXPECT_EQ(PositionBeside(QRect(100, 700, 400, 300), help, screen), QPoint(500, 400)) << "pushed up";
    EXPECT_EQ(PositionBeside(QRect(0, 0, 400, 400), QSize(2500, 1200), screen), QPoint(0, 0)) << "too big: top left";
}

TEST_F(HelpWindowTest, LinksLeadOnlyToPagesOfTheManual)
{
    QTemporaryDir outside;
    QFile secret(outside.filePath(QStringLiteral("secret.html")));
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    QFile::link(secret.fileName(), Folder.filePath(QStringLiteral("link.html")));
    const QUrl index = QUrl::fromLocalFile(Folder.filePath(QStringLiteral("index.html")));
    const struct {
        const char* Link;
        bool Opens;
    } links[] = {
        {"01-start.html", true},        {"02-run.html#measure", true},
        {"../secret.html", false},      {"link.html", false},
        {"file:///etc/passwd", false},  {"http://example.com/", false},
        {"mailto:a@example.com", false}, {"missing.html", false},
    };
    for (const auto& link : links) {
        SCOPED_TRACE(link.Link);
        const std::optional<QUrl> target = ManualLinkTarget(Folder.path(), index, QUrl(QString::fromUtf8(link.Link)));
        EXPECT_EQ(target.has_value(), link.Opens);
    }

    auto* view = Child<QTextBrowser>("pageView");
    emit view->anchorClicked(QUrl(QStringLiteral("file:///etc/passwd")));
    EXPECT_EQ(Shown(), QStringLiteral("index.html"));
    EXPECT_TRUE(Child<QLabel>("searchStatus")->text().startsWith(QStringLiteral("説明書の外へのリンクは開きません")));
    emit view->anchorClicked(QUrl(QStringLiteral("02-run.html")));
    EXPECT_EQ(Shown(), QStringLiteral("02-run.html"));
}
