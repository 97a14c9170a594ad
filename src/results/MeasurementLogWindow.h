#pragma once

#include "store/ResultRecord.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

class ContestState;
class QLabel;
class QListWidget;
class QPushButton;

// The save dialog of the export, in Japanese, starting at `start` (a folder
// or the last file chosen). Nothing when the operator cancels.
std::optional<QString> ChooseExportFile(QWidget* parent, const QString& start);

// The measurement log: every stored entrant with rank, points, raw sums and
// the time of the shout, in entry or rank order, and the same rows written
// to a text file.
class MeasurementLogWindow : public QDialog {
public:
    explicit MeasurementLogWindow(ContestState& context, QWidget* parent = nullptr);

    void Form_Load();
    void ListByEntry();
    void ListByRank();
    void ExportByEntry();
    void ExportByRank();
    void CmdJ_Click();
    void CmdTXT_Click();
    void CmdUpd_Click();

    QLabel* Label2 = nullptr;
    QListWidget* List1 = nullptr;
    QPushButton* CmdJ = nullptr;
    QPushButton* CmdTXT = nullptr;
    QPushButton* CmdUpd = nullptr;
    // The save dialog; tests put a chooser of their own here.
    std::function<std::optional<QString>(QWidget*, const QString&)> CommonDialog1 = ChooseExportFile;

    // Rank order instead of entry order.
    bool SortByRank = false;
    // The last export file chosen.
    QString ExportFile;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Fill(const std::vector<ResultRecord>& records);
    void Export(const std::vector<ResultRecord>& records);

    ContestState& Context;
};
