#pragma once

#include <QDialog>

class ContestState;
class QCheckBox;
class QLabel;
class QPushButton;

// Factory reset request: stores a setup request and ends the program; the
// next start resets every setting. The button works only while the lock box
// is ticked.
class FactoryResetWindow : public QDialog {
public:
    FactoryResetWindow(ContestState& context, QWidget* parent = nullptr);

    void Form_Load();
    void CK2_Click();
    void CmdUP2_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* CK2 = nullptr;
    QPushButton* CmdUP2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    ContestState& Context;
};
