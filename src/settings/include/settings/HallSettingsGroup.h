#pragma once

#include <QGroupBox>

class ContestSession;
class ContestState;
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

// "会場Web": whether the hall's live results page is on, its port, and the
// address shown to the audience, chosen among this machine's addresses with
// its QR code beside it. The choice lives in ZUVELO.INI ([Hall]); the program
// starts or stops the page once the settings window closes.
class HallSettingsGroup : public QGroupBox {
public:
    explicit HallSettingsGroup(QWidget* parent);

    // Shows the stored options and lists the machine's addresses now.
    void Load(const ContestState& context);
    // Stores the options; a file that cannot be written is reported
    // ("管理データの書き込みができません！") and gives false.
    bool Store(const ContestSession& context) const;

private:
    // The addresses for the port shown, keeping the chosen one.
    void ListUrls(const QString& chosen);
    void ShowChosenCode();

    QCheckBox* enabledBox;
    QSpinBox* portBox;
    QComboBox* urlBox;
    QLabel* codePicture;
};
