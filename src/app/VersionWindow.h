#pragma once

#include <QDialog>

class ContestState;
class QLabel;
class QPlainTextEdit;

// The version window: product, version and two notices. Reads no settings.
// Its notice boxes are "programNoticeBox" and "helpNoticeBox", its button
// "okButton".
class VersionWindow : public QDialog {
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
};

// The notices of the version window: what the program is, and where help is.
QString ProgramNotice();
QString HelpNotice();
