#pragma once

#include "core/EntrantImport.h"
#include "core/EntrantRoster.h"

#include <QDialog>
#include <functional>
#include <optional>

class ContestSession;
class QCheckBox;
class QPushButton;
class QTableWidget;

// The list of entrants (名簿): a table of entry number, 名前 and 所属, edited
// in place and stored with 登録(&U); 読込(&R) fills it from a spreadsheet's
// CSV file, shown before it is stored (a reading in doubt is put to the
// operator first); a damaged list, or one changed outside since the window
// read it, is kept aside before 登録 replaces it. Modeless, so that it stays open
// beside a full-screen window on the audience screen. The check box says
// whether the hall's full-screen windows show the names.
class EntrantsWindow : public QDialog {
    Q_OBJECT
public:
    explicit EntrantsWindow(ContestSession& context, QWidget* parent = nullptr);

    void LoadOnOpen();
    void ImportSpreadsheet();
    void RegisterRoster();

    // The names as the table holds them now.
    const EntrantRoster& ShownRoster() const { return Shown; }

    using OpenDialogChooser = std::function<std::optional<QString>(QWidget*, const QString& start)>;
    // The file dialog of 読込(&R); a dialog for CSV files unless a test gives
    // a chooser of its own.
    void SetOpenDialog(OpenDialogChooser chooser) { OpenDialog = std::move(chooser); }

signals:
    // The list and the privacy choice were stored.
    void rosterStored();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Fill(int nextEntryNo);
    void TakeEdit(int row, int column);
    QString CellText(int row, int column) const;
    void ShowInCell(int row, int column, const QString& text);
    std::optional<EntrantImport> ReadSpreadsheet(const QString& path);
    std::optional<bool> KeepFileAside();

    ContestSession& Context;
    OpenDialogChooser OpenDialog;
    QTableWidget* entrantTable = nullptr;
    QCheckBox* showNamesBox = nullptr;
    QPushButton* importButton = nullptr;
    QPushButton* registerButton = nullptr;
    // What the table shows; a refused edit is put back from here.
    EntrantRoster Shown;
    // The list's file as the window last read or wrote it.
    std::optional<QByteArray> FileRead;
    bool Filling = false;
};
