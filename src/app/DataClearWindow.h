#pragma once

#include <QDialog>

class ContestState;
class QCheckBox;
class QLabel;
class QPushButton;

// Data clear: empties the measurement log and deletes every recording, to
// start a contest afresh. The button works only while the lock box is ticked.
class DataClearWindow : public QDialog {
public:
    DataClearWindow(ContestState& context, QWidget* parent = nullptr);

    void Form_Load();
    void CK1_Click();
    void CmdClr_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* CK1 = nullptr;
    QPushButton* CmdClr = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    ContestState& Context;
};
