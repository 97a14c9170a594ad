#pragma once

#include "help/ManualPages.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTextBrowser;

// The help window "ずべろ　ヘルプ": the manual's pages in a text browser
// ("pageView") with back and forward ("backButton", "forwardButton"), the
// contents list ("contentsList") and a search over every page ("searchBox",
// "searchButton", the pages found in "searchResults", how many in
// "searchStatus"). Modeless; opens on the contents page. A link that leads
// out of the manual (another file, the network) is not opened; the status
// line says so.
// Where a window of `size` goes beside `owner`: to its right, moved left and
// up as far as needed to stay on `screen`.
QPoint PositionBeside(const QRect& owner, const QSize& size, const QRect& screen);

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& manualFolder, QWidget* parent = nullptr);

    // Shows the window in front; the first time to the right of `owner`,
    // kept on the owner's screen.
    void OpenBeside(const QWidget* owner);
    // Back to the contents page, the search cleared.
    void ShowContents();
    // Lists the pages that hold the word of the search box.
    void Search();

private:
    QWidget* BuildSide();
    void OpenPage(const QString& file);
    void OpenFound(QListWidgetItem* item);
    void FollowPage(const QUrl& page);
    void FollowLink(const QUrl& link);

    QString Folder;
    bool Placed = false;
    QTextBrowser* pageView = nullptr;
    QPushButton* backButton = nullptr;
    QPushButton* forwardButton = nullptr;
    QPushButton* contentsButton = nullptr;
    QListWidget* contentsList = nullptr;
    QLineEdit* searchBox = nullptr;
    QPushButton* searchButton = nullptr;
    QLabel* searchStatus = nullptr;
    QListWidget* searchResults = nullptr;
};
