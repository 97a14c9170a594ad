#include "entrants/EntrantsWindow.h"
#include "widgets/WindowButton.h"

#include "core/ChosenFile.h"
#include "core/EntrantImport.h"
#include "core/KeptAside.h"
#include "core/ProgramOptions.h"
#include "core/ResultStore.h"
#include "entrants/RosterTable.h"
#include "widgets/ContestSession.h"
#include "widgets/EntrantNames.h"
#include "widgets/OperatorMessages.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { NumberColumn, NameColumn, GroupColumn };

// Far more than 3000 entrants take; a bigger file is no list of entrants.
constexpr qint64 MaxSpreadsheetBytes = 16 * 1024 * 1024;

std::optional<QString> ChooseSpreadsheet(QWidget* parent, const QString& start)
{
    QFileDialog dialog(parent, QStringLiteral("名簿の読込"), start);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("CSVファイル (*.csv *.CSV)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QTableWidgetItem* NumberItem(int number)
{
    auto* item = new QTableWidgetItem(QString::number(number));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}

EntrantsWindow::EntrantsWindow(ContestSession& context, QWidget* parent)
    : QDialog(parent), Context(context), OpenDialog(ChooseSpreadsheet)
{
    setWindowTitle(QStringLiteral("名簿"));
    entrantTable = new QTableWidget(0, 3, this);
    entrantTable->setObjectName(QStringLiteral("entrantTable"));
    entrantTable->setHorizontalHeaderLabels({QStringLiteral("エントリーNo"), QStringLiteral("名前"), QStringLiteral("所属")});
    entrantTable->verticalHeader()->hide();
    entrantTable->horizontalHeader()->setSectionResizeMode(NumberColumn, QHeaderView::ResizeToContents);
    entrantTable->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    entrantTable->horizontalHeader()->setSectionResizeMode(GroupColumn, QHeaderView::Stretch);
    entrantTable->setMinimumSize(560, 420);
    connect(entrantTable, &QTableWidget::cellChanged, this, [this](int row, int column) { TakeEdit(row, column); });

    showNamesBox = new QCheckBox(QStringLiteral("名前を会場に表示する"), this);
    showNamesBox->setObjectName(QStringLiteral("showNamesBox"));
    importButton = MakeWindowButton(QStringLiteral("importButton"), QStringLiteral("読込(&R)"), this,
                                    QStringLiteral("表計算ソフトのCSVファイルから名簿を読み込みます。"));
    registerButton = MakeWindowButton(QStringLiteral("registerButton"), QStringLiteral("登録(&U)"), this,
                                      QStringLiteral("名簿を登録します。"));
    connect(importButton, &QPushButton::clicked, this, [this] { ImportSpreadsheet(); });
    connect(registerButton, &QPushButton::clicked, this, [this] { RegisterRoster(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showNamesBox);
    buttons->addStretch();
    buttons->addWidget(importButton);
    buttons->addWidget(registerButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(entrantTable);
    layout->addLayout(buttons);
}

void EntrantsWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        LoadOnOpen();
}

// A log that cannot be read leaves the next number the contest last knew.
void EntrantsWindow::LoadOnOpen()
{
    // Taken before the names: a change in between is then seen at 登録.
    FileRead = EntrantRosterBytes(Context.Folder);
    Shown = ReadEntrantNames(Context);
    showNamesBox->setChecked(LoadProgramOptions(Context).ShowNames);
    Fill(ScanLog(Context).value_or(Context.Contest.EntryNo));
}

void EntrantsWindow::Fill(int nextEntryNo)
{
    Filling = true;
    const int rows = RosterTableRows(nextEntryNo, Shown);
    entrantTable->clearContents();
    entrantTable->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const EntrantName* entrant = Shown.Find(row + 1);
        entrantTable->setItem(row, NumberColumn, NumberItem(row + 1));
        entrantTable->setItem(row, NameColumn, new QTableWidgetItem(entrant ? entrant->Name : QString()));
        entrantTable->setItem(row, GroupColumn, new QTableWidgetItem(entrant ? entrant->Group : QString()));
    }
    Filling = false;
}

QString EntrantsWindow::CellText(int row, int column) const
{
    return entrantTable->item(row, column)->text();
}

// A text over the limit is refused and the cell shows what it held before;
// a text within it shows as the list keeps it (one line). A group without a
// name is kept in the table only: the list holds named entrants.
void EntrantsWindow::TakeEdit(int row, int column)
{
    if (Filling || column == NumberColumn)
        return;
    const QString text = OneLineEntrantText(CellText(row, column));
    if (const std::optional<QString> refused = OverLimitMessage(text)) {
        Context.Messages.Inform(*refused, MessageIcon::Warning);
        const EntrantName* entrant = Shown.Find(row + 1);
        ShowInCell(row, column, entrant ? (column == NameColumn ? entrant->Name : entrant->Group) : QString());
        return;
    }
    ShowInCell(row, column, text);
    Shown.Set(row + 1, {CellText(row, NameColumn), CellText(row, GroupColumn)});
}

void EntrantsWindow::ShowInCell(int row, int column, const QString& text)
{
    Filling = true;
    entrantTable->item(row, column)->setText(text);
    Filling = false;
}

// The reading, once the operator said what the first row of an unnumbered
// list is; nothing when the question was cancelled.
std::optional<EntrantImport> EntrantsWindow::ReadSpreadsheet(const QString& path)
{
    const std::optional<QByteArray> bytes = ReadChosenFile(path, MaxSpreadsheetBytes);
    if (!bytes)
        return EntrantImport{EntrantImport::Fault::Unreadable, 0, {}, false, {}};
    const EntrantImport import = ImportEntrantSpreadsheet(*bytes);
    if (!import.FirstRowInDoubt)
        return import;
    switch (Context.Messages.Show(FirstRowQuestion(import), QStringLiteral("確認"), MessageIcon::Question, MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        return ImportEntrantSpreadsheet(*bytes, UnnumberedFirstRow::Header);
    case MessageAnswer::No:
        return import;
    default:
        return std::nullopt;
    }
}

// What was read replaces the table's names; it is stored only with 登録. A
// failed reading, or one without a name, leaves the table as it was.
void EntrantsWindow::ImportSpreadsheet()
{
    const std::optional<QString> chosen = OpenDialog(this, Context.Folder.Path());
    if (!chosen)
        return;
    const std::optional<EntrantImport> import = ReadSpreadsheet(*chosen);
    if (!import)
        return;
    if (import->Problem != EntrantImport::Fault::None) {
        Context.Messages.Inform(ImportFaultMessage(*import, *chosen), MessageIcon::Warning);
        return;
    }
    Shown = import->Roster;
    Fill(ScanLog(Context).value_or(Context.Contest.EntryNo));
}

// Whether 登録 keeps the file's list aside before replacing it: a damaged
// list showed as empty, and a list changed outside since the window read it
// is the operator's to choose (いいえ shows the file's list instead).
// Nothing when 登録 stops.
std::optional<bool> EntrantsWindow::KeepFileAside()
{
    const bool damaged = ReadEntrantRoster(Context.Folder).State == RosterRead::Outcome::Damaged;
    if (EntrantRosterBytes(Context.Folder) == FileRead)
        return damaged;
    switch (Context.Messages.Show(ChangedRosterQuestion(EntrantRosterPath(Context.Folder)), QStringLiteral("確認"),
                                  MessageIcon::Question, MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        return true;
    case MessageAnswer::No:
        LoadOnOpen();
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void EntrantsWindow::RegisterRoster()
{
    if (Context.Messages.Show(QStringLiteral("名簿を登録しますか？"), QStringLiteral("確認"), MessageIcon::Information,
                              MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    const QString path = EntrantRosterPath(Context.Folder);
    if (IsEntrantRosterReadOnly(Context.Folder)) {
        Context.Messages.Inform(ReadOnlyRosterMessage(path), MessageIcon::Error);
        return;
    }
    const std::optional<bool> keepAside = KeepFileAside();
    if (!keepAside)
        return;
    if ((*keepAside && !CopyAside(path, Context.Now())) || !WriteEntrantRoster(Context.Folder, Shown)) {
        Context.Messages.Inform(
            QStringLiteral("名簿ファイルを保存できません。(%1)").arg(QDir::toNativeSeparators(path)),
            MessageIcon::Error);
        return;
    }
    FileRead = EntrantRosterBytes(Context.Folder);
    ProgramOptions options = LoadProgramOptions(Context);
    options.ShowNames = showNamesBox->isChecked();
    if (const std::optional<SettingsNotWritten> failure = SaveProgramOptions(Context, options)) {
        Report(Context.Messages, *failure);
        return;
    }
    emit rosterStored();
    Context.Messages.Inform(QStringLiteral("登録しました。"), MessageIcon::None);
}
