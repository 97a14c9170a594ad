#pragma once

#include <QDialog>

class ContestState;
class QLabel;
class QPlainTextEdit;

// The version window: product, version, two notices and the contest folder in
// use. Reads no settings. Its notice boxes are "programNoticeBox" and
// "helpNoticeBox", the folder "folderLabel", its button "okButton".
class VersionWindow : public QDialog {
    Q_OBJECT
public:
    VersionWindow(ContestState& context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowNotices();

    ContestState& Context;
    QLabel* programPicture = nullptr;
    QPlainTextEdit* programNoticeBox = nullptr;
    QPlainTextEdit* helpNoticeBox = nullptr;
    QLabel* folderLabel = nullptr;
};

// The version as built and the system it runs on: "1.34 for Linux".
QString VersionAndPlatform();

// The notices of the version window: what the program is, and where help is.
QString ProgramNotice();
QString HelpNotice();
