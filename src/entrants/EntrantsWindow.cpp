#include "entrants/EntrantsWindow.h"
#include "widgets/WindowButton.h"

#include "core/EntrantImport.h"
#include "core/KeptAside.h"
#include "core/ProgramOptions.h"
#include "core/ResultStore.h"
#include "entrants/RosterTable.h"
#include "widgets/ContestSession.h"
#include "widgets/EntrantNames.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { NumberColumn, NameColumn, GroupColumn };

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

// A text over the limit is refused and the cell shows what it held before.
// A group without a name is kept in the table only: the list holds named
// entrants.
void EntrantsWindow::TakeEdit(int row, int column)
{
    if (Filling || column == NumberColumn)
        return;
    const QString text = entrantTable->item(row, column)->text().trimmed();
    if (const std::optional<QString> refused = OverLimitMessage(text)) {
        Context.Messages.Inform(*refused, MessageIcon::Warning);
        const EntrantName* entrant = Shown.Find(row + 1);
        Filling = true;
        entrantTable->item(row, column)->setText(entrant ? (column == NameColumn ? entrant->Name : entrant->Group) : QString());
        Filling = false;
        return;
    }
    Shown.Set(row + 1, {entrantTable->item(row, NameColumn)->text().trimmed(), entrantTable->item(row, GroupColumn)->text().trimmed()});
}

// What was read replaces the table's names; it is stored only with 登録.
void EntrantsWindow::ImportSpreadsheet()
{
    const std::optional<QString> chosen = OpenDialog(this, Context.Folder.Path());
    if (!chosen)
        return;
    QFile file(*chosen);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const EntrantImport import = file.error() == QFileDevice::NoError ? ImportEntrantSpreadsheet(bytes)
                                                                      : EntrantImport{EntrantImport::Fault::Unreadable, 0, {}};
    if (import.Problem != EntrantImport::Fault::None) {
        Context.Messages.Inform(ImportFaultMessage(import, *chosen), MessageIcon::Warning);
        return;
    }
    Shown = import.Roster;
    Fill(ScanLog(Context).value_or(Context.Contest.EntryNo));
}

void EntrantsWindow::RegisterRoster()
{
    if (Context.Messages.Show(QStringLiteral("名簿を登録しますか？"), QStringLiteral("確認"), MessageIcon::Information,
                              MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    // A damaged list showed as empty: what it held is kept aside, not lost.
    const QString path = EntrantRosterPath(Context.Folder);
    const bool damaged = ReadEntrantRoster(Context.Folder).State == RosterRead::Outcome::Damaged;
    if ((damaged && !CopyAside(path, Context.Now())) || !WriteEntrantRoster(Context.Folder, Shown)) {
        Context.Messages.Inform(
            QStringLiteral("名簿ファイルを保存できません。(%1)").arg(QDir::toNativeSeparators(path)),
            MessageIcon::Error);
        return;
    }
    ProgramOptions options = LoadProgramOptions(Context);
    options.ShowNames = showNamesBox->isChecked();
    if (!SaveProgramOptions(Context, options)) {
        Context.Messages.Inform(QStringLiteral("管理データの書き込みができません！"), MessageIcon::Error);
        return;
    }
    emit rosterStored();
    Context.Messages.Inform(QStringLiteral("登録しました。"), MessageIcon::None);
}
