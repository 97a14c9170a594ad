#include "results/MeasurementLogWindow.h"
#include "widgets/WindowButton.h"

#include "results/CsvExport.h"
#include "results/LogListing.h"
#include "core/ContestOperations.h"
#include "widgets/ContestSession.h"
#include "core/ResultStore.h"
#include "core/SettingsStore.h"
#include "widgets/EntrantNames.h"
#include "widgets/OperatorMessages.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString ByRankCaption = QStringLiteral("順位順(&J)");
const QString ByEntryCaption = QStringLiteral("発声順(&J)");
constexpr int VisibleRows = 20;
const QString ColumnHeaderText = QStringLiteral("  No     順位　 総合得点　  高音（点数/数値）   　積算（点数/数値)     発声時刻");

// Replaces the file whole, keeping the permissions of one that was there: an
// operator's private file stays private.
bool WriteExportFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}

std::optional<QString> ChooseExportFile(QWidget* parent, const SaveDialogText& text, const QString& start)
{
    QFileDialog dialog(parent, text.Title, start);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                      QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(text.Filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

MeasurementLogWindow::MeasurementLogWindow(ContestSession& context, QWidget* parent) : QDialog(parent), Context(context)
{
    setWindowTitle(QStringLiteral("測定ログ"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont fixed(QStringLiteral("ＭＳ ゴシック"));
    fixed.setPointSize(10);
    columnHeader = new QLabel(ColumnHeaderText, this);
    columnHeader->setObjectName(QStringLiteral("columnHeader"));
    columnHeader->setFont(fixed);
    entrantList = new QListWidget(this);
    entrantList->setObjectName(QStringLiteral("entrantList"));
    entrantList->setFont(fixed);
    entrantList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    entrantList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    entrantList->setFixedHeight(QFontMetrics(fixed).lineSpacing() * VisibleRows + 2 * entrantList->frameWidth());
    ShowNameColumn(false);

    orderButton = MakeWindowButton(QStringLiteral("orderButton"), ByRankCaption, this, QStringLiteral("順位順または発声順に表示します。"));
    textExportButton = MakeWindowButton(QStringLiteral("textExportButton"), QStringLiteral("テキスト(&T)"), this,
                                        QStringLiteral("作成したデータをテキストファイルに保存します。"));
    csvExportButton = MakeWindowButton(QStringLiteral("csvExportButton"), QStringLiteral("CSV(&V)"), this,
                                       QStringLiteral("表計算ソフトで開けるCSVファイルに保存します。"));
    registerButton = MakeWindowButton(QStringLiteral("registerButton"), QStringLiteral("登録(&U)"), this,
                                      QStringLiteral("設定を登録します。"));
    connect(orderButton, &QPushButton::clicked, this, [this] { ToggleOrder(); });
    connect(textExportButton, &QPushButton::clicked, this, [this] { ExportText(); });
    connect(csvExportButton, &QPushButton::clicked, this, [this] { ExportCsv(); });
    connect(registerButton, &QPushButton::clicked, this, [this] { RegisterSettings(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {orderButton, textExportButton, csvExportButton, registerButton})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(columnHeader);
    layout->addWidget(entrantList);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MeasurementLogWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        LoadOnOpen();
}

void MeasurementLogWindow::LoadOnOpen()
{
    ListedLevels = ShownLevels();
    // As on the ranking board, a ranking pass that could not write is not
    // told: the list shows the ranks the log last held.
    static_cast<void>(RebuildRanking(Context));
    Fill(ValueOrReport<std::vector<ResultRecord>>(Context.Messages, ListEntrants(Context, EntrantOrder::ByEntry)));
    SortByRank = false;
    orderButton->setText(ByRankCaption);
}

// A log that cannot be read has been named to the operator; the list stays
// empty rather than passing for a contest without entrants.
void MeasurementLogWindow::Fill(const std::optional<std::vector<ResultRecord>>& records)
{
    const EntrantRoster names = ReadEntrantNames(Context);
    entrantList->clear();
    for (const ResultRecord& record : records.value_or(std::vector<ResultRecord>())) {
        const auto level = ListedLevels && ListedLevels->contains(record.EntryNo) ? std::optional(ListedLevels->at(record.EntryNo))
                                                                                  : std::nullopt;
        entrantList->addItem(LogListRowWithName(record, names.NameOf(record.EntryNo), ListedLevels ? LogLevelCell(level) : QString()));
    }
    ShowNameColumn(!names.IsEmpty());
}

// The 名前 column is there only for a contest with a list of entrants; the
// window keeps its old width without one.
void MeasurementLogWindow::ShowNameColumn(bool shown)
{
    const QString levelHeader = ListedLevels ? LogNameGap + QStringLiteral("dB(A)").rightJustified(LogLevelCellWidth) : QString();
    columnHeader->setText(ColumnHeaderText + levelHeader + (shown ? LogNameGap + QStringLiteral("名前") : QString()));
    const QFontMetrics metrics(entrantList->font());
    // A row is 79 half-width characters; a name of full-width ones takes two each.
    const int levelChars = ListedLevels ? int(LogNameGap.size()) + LogLevelCellWidth : 0;
    const int rowChars = (shown ? 79 + int(LogNameGap.size()) + 2 * MaxEntrantTextLength : 79) + levelChars;
    entrantList->setFixedWidth(metrics.horizontalAdvance(QString(rowChars, QLatin1Char('0'))) +
                               entrantList->verticalScrollBar()->sizeHint().width() + 2 * entrantList->frameWidth() + 8);
}

void MeasurementLogWindow::ListByEntry()
{
    Fill(ValueOrReport<std::vector<ResultRecord>>(Context.Messages, ListEntrants(Context, EntrantOrder::ByEntry)));
}

void MeasurementLogWindow::ListByRank()
{
    Fill(ValueOrReport<std::vector<ResultRecord>>(Context.Messages, ListEntrants(Context, EntrantOrder::ByRank)));
}

void MeasurementLogWindow::ToggleOrder()
{
    SortByRank = !SortByRank;
    orderButton->setText(SortByRank ? ByEntryCaption : ByRankCaption);
    if (SortByRank)
        ListByRank();
    else
        ListByEntry();
}

void MeasurementLogWindow::ExportText()
{
    Export({TextFormat, QStringLiteral("テキストファイルに保存しますか？"),
            {QStringLiteral("テキストファイルの保存"), QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(TXT) (*.TXT *.txt)")}, QStringLiteral(".TXT"),
            LogExportText});
}

void MeasurementLogWindow::ExportCsv()
{
    Export({CsvFormat, QStringLiteral("CSVファイルに保存しますか？"),
            {QStringLiteral("CSVファイルの保存"), QStringLiteral("CSVファイル (*.csv)")}, QStringLiteral(".csv"),
            [this](std::span<const ResultRecord> records) { return LogCsvText(records, ReadEntrantNames(Context), ShownLevels()); }});
}

std::optional<EntrantLevels> MeasurementLogWindow::ShownLevels() const
{
    auto shown = ReadShownLevels(Context);
    if (!shown)
        return std::nullopt;
    if (const auto* damaged = std::get_if<EntrantLevelsDamaged>(&*shown)) {
        Report(Context.Messages, *damaged);
        return EntrantLevels{};
    }
    return std::get<EntrantLevels>(*shown);
}

// The export reads its file again rather than copying the list, in the order
// the list shows.
void MeasurementLogWindow::Export(const ExportKind& kind)
{
    if (Context.Messages.Show(kind.Question, QString(), MessageIcon::Information, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    const std::optional<std::vector<ResultRecord>> records = ValueOrReport<std::vector<ResultRecord>>(
        Context.Messages, ListEntrants(Context, SortByRank ? EntrantOrder::ByRank : EntrantOrder::ByEntry));
    if (!records)
        return;
    if (records->empty()) {
        Context.Messages.Inform(QStringLiteral("データがありません！"), MessageIcon::None);
        return;
    }
    QString& lastFile = LastExportFile[kind.Format];
    const std::optional<QString> chosen = SaveDialog(this, kind.Dialog, lastFile.isEmpty() ? Context.Folder.Path() : lastFile);
    if (!chosen)
        return;
    const std::optional<QString> name = ExportFileName(*chosen, kind.Extension);
    if (!name) {
        Context.Messages.Inform(QStringLiteral("ﾌｧｨﾙ名がありません！"), MessageIcon::None);
        return;
    }
    if (!MayReplace(*name))
        return;
    lastFile = *name;
    if (!WriteExportFile(*name, kind.Content(*records))) {
        Context.Messages.Inform(QStringLiteral("テキストファイルを作成できません！\n%1").arg(QDir::toNativeSeparators(*name)),
                                MessageIcon::Error);
        return;
    }
    Context.Messages.Inform(QStringLiteral("作成しました!"), MessageIcon::None);
}

// Asked once the name has its extension: the dialog saw the name without it.
bool MeasurementLogWindow::MayReplace(const QString& path)
{
    if (!QFileInfo::exists(path))
        return true;
    return Context.Messages.Show(QStringLiteral("%1 は既に存在します。\n置き換えますか？").arg(QDir::toNativeSeparators(path)),
                                 QStringLiteral("確認"), MessageIcon::Warning, MessageButtons::YesNo) == MessageAnswer::Yes;
}

void MeasurementLogWindow::RegisterSettings()
{
    if (Context.Messages.Show(QStringLiteral("設定を登録しますか？"), QStringLiteral("確認"), MessageIcon::Information,
                              MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    // The window stays open after a failed save.
    if (!Succeeded(Context.Messages, SaveMicSettings(Context)))
        return;
    Context.Messages.Inform(QStringLiteral("登録しました。"), MessageIcon::None);
    accept();
}
