#include "results/MeasurementLogWindow.h"

#include "platform/AtomicFile.h"
#include "results/LogListing.h"
#include "store/ContestOperations.h"
#include "store/ContestState.h"
#include "store/SettingsStore.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString ByRankCaption = QStringLiteral("順位順(&J)");
const QString ByEntryCaption = QStringLiteral("発声順(&J)");
constexpr int VisibleRows = 20;

QPushButton* MakeButton(const QString& caption, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

}

std::optional<QString> ChooseExportFile(QWidget* parent, const QString& start)
{
    QFileDialog dialog(parent, QStringLiteral("テキストファイルの保存"), start);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                      QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(TXT) (*.TXT *.txt)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

MeasurementLogWindow::MeasurementLogWindow(ContestState& context, QWidget* parent) : QDialog(parent), Context(context)
{
    setWindowTitle(QStringLiteral("測定ログ"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont fixed(QStringLiteral("ＭＳ ゴシック"));
    fixed.setPointSize(10);
    Label2 = new QLabel(
        QStringLiteral("  No     順位　 総合得点　  高音（点数/数値）   　積算（点数/数値)     発声時刻"), this);
    Label2->setFont(fixed);
    List1 = new QListWidget(this);
    List1->setFont(fixed);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QFontMetrics metrics(fixed);
    const QString widestRow(79, QLatin1Char('0'));
    List1->setFixedSize(metrics.horizontalAdvance(widestRow) + List1->verticalScrollBar()->sizeHint().width() +
                            2 * List1->frameWidth() + 8,
                        metrics.lineSpacing() * VisibleRows + 2 * List1->frameWidth());

    CmdJ = MakeButton(ByRankCaption, QStringLiteral("順位順または発声順に表示します。"), this);
    CmdTXT = MakeButton(QStringLiteral("テキスト(&T)"), QStringLiteral("作成したデータをテキストファイルに保存します。"), this);
    CmdUpd = MakeButton(QStringLiteral("登録(&U)"), QStringLiteral("設定を登録します。"), this);
    connect(CmdJ, &QPushButton::clicked, this, [this] { CmdJ_Click(); });
    connect(CmdTXT, &QPushButton::clicked, this, [this] { CmdTXT_Click(); });
    connect(CmdUpd, &QPushButton::clicked, this, [this] { CmdUpd_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {CmdJ, CmdTXT, CmdUpd})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addWidget(List1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MeasurementLogWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Load();
}

void MeasurementLogWindow::Form_Load()
{
    LoadMicSettings(Context);
    Fill(RankAndListEntrants(Context, EntrantOrder::ByEntry));
    SortByRank = false;
    CmdJ->setText(ByRankCaption);
}

void MeasurementLogWindow::Fill(const std::vector<ResultRecord>& records)
{
    List1->clear();
    for (const ResultRecord& record : records)
        List1->addItem(LogListRow(record));
}

void MeasurementLogWindow::ListByEntry()
{
    Fill(ListEntrants(Context, EntrantOrder::ByEntry));
}

void MeasurementLogWindow::ListByRank()
{
    Fill(ListEntrants(Context, EntrantOrder::ByRank));
}

void MeasurementLogWindow::CmdJ_Click()
{
    SortByRank = !SortByRank;
    CmdJ->setText(SortByRank ? ByEntryCaption : ByRankCaption);
    if (SortByRank)
        ListByRank();
    else
        ListByEntry();
}

void MeasurementLogWindow::CmdTXT_Click()
{
    if (Context.Messages.Show(QStringLiteral("テキストファイルに保存しますか？"), QString(), MessageIcon::Information,
                              MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    if (List1->count() == 0) {
        Context.Messages.Inform(QStringLiteral("データがありません！"), MessageIcon::None);
        return;
    }
    const std::optional<QString> chosen = CommonDialog1(this, ExportFile.isEmpty() ? Context.Folder.Path() : ExportFile);
    // The settings files are found in the program folder, whatever the dialog did.
    QDir::setCurrent(Context.Folder.Path());
    if (!chosen)
        return;
    const std::optional<QString> name = ExportFileName(*chosen);
    if (!name) {
        Context.Messages.Inform(QStringLiteral("ﾌｧｨﾙ名がありません！"), MessageIcon::None);
        return;
    }
    ExportFile = *name;
    if (SortByRank)
        ExportByRank();
    else
        ExportByEntry();
}

void MeasurementLogWindow::ExportByEntry()
{
    Export(ListEntrants(Context, EntrantOrder::ByEntry));
}

void MeasurementLogWindow::ExportByRank()
{
    Export(ListEntrants(Context, EntrantOrder::ByRank));
}

void MeasurementLogWindow::Export(const std::vector<ResultRecord>& records)
{
    if (!WriteFileAtomically(ExportFile, LogExportText(records))) {
        Context.Messages.Inform(QStringLiteral("テキストファイルを作成できません！\n%1").arg(QDir::toNativeSeparators(ExportFile)),
                                MessageIcon::Error);
        return;
    }
    Context.Messages.Inform(QStringLiteral("作成しました!"), MessageIcon::None);
}

void MeasurementLogWindow::CmdUpd_Click()
{
    if (Context.Messages.Show(QStringLiteral("設定を登録しますか？"), QStringLiteral("確認"), MessageIcon::Information,
                              MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    // A failed save has shown its own message; the window stays open then.
    if (!SaveMicSettings(Context))
        return;
    Context.Messages.Inform(QStringLiteral("登録しました。"), MessageIcon::None);
    accept();
}
