#pragma once

#include "core/EntrantLevels.h"

#include "core/ResultRecord.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class ContestSession;
class QLabel;
class QListWidget;
class QPushButton;

// What the save dialog of an export says.
struct SaveDialogText {
    QString Title;
    // "ﾃｷｽﾄﾌｧｲﾙ(TXT) (*.TXT *.txt)".
    QString Filter;
};

// The save dialog of an export, in Japanese, starting at `start` (a folder
// or the last file chosen). It does not ask about an existing file: the
// window asks once the name has its extension. Nothing when the operator
// cancels.
std::optional<QString> ChooseExportFile(QWidget* parent, const SaveDialogText& text, const QString& start);

// The measurement log: every stored entrant with rank, points, raw sums and
// the time of the shout, in entry or rank order, and the same entrants
// written to a text file or to a CSV file for spreadsheets.
class MeasurementLogWindow : public QDialog {
    Q_OBJECT
public:
    explicit MeasurementLogWindow(ContestSession& context, QWidget* parent = nullptr);

    void LoadOnOpen();
    void ListByEntry();
    void ListByRank();
    void ToggleOrder();
    void ExportText();
    void ExportCsv();
    // The levels shown, none for a damaged levels file, which is named.
    std::optional<EntrantLevels> ShownLevels() const;
    // The levels the list shows, read as the window opens.
    std::optional<EntrantLevels> ListedLevels;
    void RegisterSettings();

    using SaveDialogChooser = std::function<std::optional<QString>(QWidget*, const SaveDialogText&, const QString&)>;
    // The save dialog; ChooseExportFile unless a test gives a chooser of its own.
    void SetSaveDialog(SaveDialogChooser chooser) { SaveDialog = std::move(chooser); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum ExportFormat { TextFormat, CsvFormat };
    struct ExportKind {
        ExportFormat Format;
        QString Question;
        SaveDialogText Dialog;
        QString Extension;
        std::function<QByteArray(std::span<const ResultRecord>)> Content;
    };

    void Fill(const std::optional<std::vector<ResultRecord>>& records);
    void Export(const ExportKind& kind);
    void ShowNameColumn(bool shown);
    bool MayReplace(const QString& path);

    ContestSession& Context;
    SaveDialogChooser SaveDialog = ChooseExportFile;
    QLabel* columnHeader = nullptr;
    QListWidget* entrantList = nullptr;
    QPushButton* orderButton = nullptr;
    QPushButton* textExportButton = nullptr;
    QPushButton* csvExportButton = nullptr;
    QPushButton* registerButton = nullptr;

    // Rank order instead of entry order.
    bool SortByRank = false;
    // The last file chosen for each kind of export.
    std::array<QString, 2> LastExportFile;
};
