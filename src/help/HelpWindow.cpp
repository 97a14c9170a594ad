#include "help/HelpWindow.h"

#include "widgets/FreeArea.h"
#include "widgets/WindowButton.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int FileRole = Qt::UserRole;

void FillList(QListWidget* list, const std::vector<ManualPage>& pages)
{
    list->clear();
    for (const ManualPage& page : pages) {
        auto* item = new QListWidgetItem(page.Title, list);
        item->setData(FileRole, page.File);
    }
}

}

HelpWindow::HelpWindow(const QString& manualFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), Folder(manualFolder)
{
    setWindowTitle(QStringLiteral("ずべろ　ヘルプ"));
    pageView = new QTextBrowser(this);
    pageView->setObjectName(QStringLiteral("pageView"));
    pageView->setSearchPaths({Folder});
    // Links are followed here, within the manual only.
    pageView->setOpenLinks(false);
    backButton = MakeWindowButton(QStringLiteral("backButton"), QStringLiteral("◀ 戻る"), this);
    forwardButton = MakeWindowButton(QStringLiteral("forwardButton"), QStringLiteral("進む ▶"), this);
    contentsButton = MakeWindowButton(QStringLiteral("contentsButton"), QStringLiteral("目次"), this);
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(backButton);
    buttons->addWidget(forwardButton);
    buttons->addWidget(contentsButton);
    buttons->addStretch();
    auto* splitter = new QSplitter(this);
    splitter->addWidget(BuildSide());
    splitter->addWidget(pageView);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(backButton, &QPushButton::clicked, pageView, &QTextBrowser::backward);
    connect(forwardButton, &QPushButton::clicked, pageView, &QTextBrowser::forward);
    connect(pageView, &QTextBrowser::backwardAvailable, backButton, &QPushButton::setEnabled);
    connect(pageView, &QTextBrowser::forwardAvailable, forwardButton, &QPushButton::setEnabled);
    connect(pageView, &QTextBrowser::sourceChanged, this, &HelpWindow::FollowPage);
    connect(pageView, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    connect(contentsButton, &QPushButton::clicked, this, &HelpWindow::ShowContents);
    connect(contentsList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OpenPage(item->data(FileRole).toString()); });
    connect(contentsList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { OpenPage(item->data(FileRole).toString()); });
    connect(searchBox, &QLineEdit::returnPressed, this, &HelpWindow::Search);
    connect(searchButton, &QPushButton::clicked, this, &HelpWindow::Search);
    connect(searchResults, &QListWidget::itemActivated, this, &HelpWindow::OpenFound);
    connect(searchResults, &QListWidget::itemClicked, this, &HelpWindow::OpenFound);

    FillList(contentsList, ManualContents(Folder));
    resize(960, 680);
    OpenPage(ManualContentsPage);
}

QWidget* HelpWindow::BuildSide()
{
    auto* side = new QWidget(this);
    contentsList = new QListWidget(side);
    contentsList->setObjectName(QStringLiteral("contentsList"));
    searchBox = new QLineEdit(side);
    searchBox->setObjectName(QStringLiteral("searchBox"));
    searchBox->setPlaceholderText(QStringLiteral("調べる言葉"));
    searchButton = MakeWindowButton(QStringLiteral("searchButton"), QStringLiteral("検索"), side);
    searchStatus = new QLabel(side);
    searchStatus->setObjectName(QStringLiteral("searchStatus"));
    searchResults = new QListWidget(side);
    searchResults->setObjectName(QStringLiteral("searchResults"));

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchBox, 1);
    searchRow->addWidget(searchButton);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("目次"), side));
    layout->addWidget(contentsList, 3);
    layout->addWidget(new QLabel(QStringLiteral("検索"), side));
    layout->addLayout(searchRow);
    layout->addWidget(searchStatus);
    layout->addWidget(searchResults, 2);
    return side;
}

QPoint PositionBeside(const QRect& owner, const QSize& size, const QRect& screen)
{
    const int x = std::max(screen.left(), std::min(owner.right() + 1, screen.right() + 1 - size.width()));
    const int y = std::max(screen.top(), std::min(owner.top(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

void HelpWindow::OpenBeside(const QWidget* owner)
{
    if (!Placed && owner) {
        const QRect free = FreeArea(*owner->screen());
        const QSize outer = isVisible() ? frameGeometry().size() : size() + UnknownFrame;
        if (FitsFreeArea(outer, free))
            move(PositionBeside(owner->frameGeometry(), outer, free));
        else
            setWindowState(windowState() | Qt::WindowMaximized);
        Placed = true;
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::ShowContents()
{
    searchBox->clear();
    searchStatus->clear();
    searchResults->clear();
    OpenPage(ManualContentsPage);
}

void HelpWindow::Search()
{
    const std::vector<ManualPage> found = PagesContaining(Folder, searchBox->text());
    FillList(searchResults, found);
    searchStatus->setText(found.empty() ? QStringLiteral("見つかりません")
                                        : QStringLiteral("%1 ページ").arg(found.size()));
}

void HelpWindow::OpenPage(const QString& file)
{
    const QUrl page = QUrl::fromLocalFile(QDir(Folder).filePath(file));
    if (page != pageView->source()) // a double click opens once, one step of history
        pageView->setSource(page);
}

// Opens a page found and marks the first place of the word in it.
void HelpWindow::OpenFound(QListWidgetItem* item)
{
    OpenPage(item->data(FileRole).toString());
    pageView->moveCursor(QTextCursor::Start);
    pageView->find(searchBox->text().trimmed());
}

void HelpWindow::FollowLink(const QUrl& link)
{
    if (const std::optional<QUrl> page = ManualLinkTarget(Folder, pageView->source(), link)) {
        pageView->setSource(*page);
        return;
    }
    searchStatus->setText(QStringLiteral("説明書の外へのリンクは開きません：%1").arg(link.toDisplayString()));
}

// Keeps the contents list on the page shown, however it was reached.
void HelpWindow::FollowPage(const QUrl& page)
{
    // The signal comes before source() names the new page.
    const QString file = page.fileName();
    for (int row = 0; row < contentsList->count(); ++row) {
        if (contentsList->item(row)->data(FileRole).toString() == file) {
            const QSignalBlocker quiet(contentsList);
            contentsList->setCurrentRow(row);
        }
    }
}
