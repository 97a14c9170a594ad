#pragma once

#include <QDialog>

class ContestState;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The version window: product, version, two notices and the contest folder in
// use. Reads no settings.
class VersionWindow : public QDialog {
public:
    VersionWindow(ContestState& context, QWidget* parent = nullptr);

    void Form_Load();
    void CmdOk_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Image1 = nullptr;
    QPlainTextEdit* TXT1 = nullptr;
    QPlainTextEdit* TXT2 = nullptr;
    QPushButton* CmdOk = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    ContestState& Context;
    QLabel* folderLabel = nullptr;
};

// The notices of the version window: what the program is, and where help is.
QString ProgramNotice();
QString HelpNotice();
