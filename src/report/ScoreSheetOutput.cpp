#include "report/ScoreSheetOutput.h"

#include "report/GraphData.h"
#include "report/OutputRun.h"
#include "report/RangeNumbers.h"
#include "report/ReportSettings.h"
#include "report/ScoreSheetDrawing.h"
#include "store/ContestState.h"
#include "store/ResultStore.h"
#include "store/SettingsStore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinterInfo>
#include <QPushButton>

namespace {

const QString PrinterMissing = QStringLiteral("指定のプリンターが見つかりません");

QComboBox* RangeBox(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(6);
    return box;
}

QPushButton* Button(const QString& caption, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

bool IsEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}

ScoreSheetOutput::ScoreSheetOutput(ContestState& context, QWidget* parent) : QWidget(parent, Qt::Window), Context(context)
{
    setWindowTitle(QStringLiteral("成績出力"));
    const char* const captions[] = {"印字№", "プリンター", "終了№", "開始№"};
    for (size_t i = 0; i < LXT.size(); ++i)
        LXT[i] = new QLabel(QString::fromUtf8(captions[i]), this);
    ST_PRN = RangeBox(this);
    EN_PRN = RangeBox(this);
    CmdSig = Button(QStringLiteral("単票"), QStringLiteral("開始帳票のみを印字します。"), this);
    CmbPrinter = new QComboBox(this);
    CmbPrinter->setEditable(true);
    CmbPrinter->setInsertPolicy(QComboBox::NoInsert);
    CmbPrinter->setMinimumContentsLength(24);
    CmdCts = Button(QStringLiteral("設定(&S)"), {}, this);
    CmdRev = Button(QStringLiteral("ﾌﾟﾚﾋﾞｭｰ(&R)"), QStringLiteral("指定された範囲の帳票をプレビューします。"), this);
    Cmd_Prn = Button(QStringLiteral("出力(&P)"), QStringLiteral("指定された範囲の帳票を出力します。"), this);
    CmdPdf = Button(QStringLiteral("PDF保存(&F)"), QStringLiteral("指定された範囲の帳票をPDFファイルに保存します。"), this);
    CmdStp = Button(QStringLiteral("中断(&B)"), QStringLiteral("印字を中断します。"), this);
    PrnHyoGam = new QLineEdit(this);
    PrnHyoGam->setReadOnly(true);
    PrnHyoGam->setMaximumWidth(90);

    auto* grid = new QGridLayout(this);
    grid->addWidget(LXT[3], 0, 0);
    grid->addWidget(ST_PRN, 0, 1);
    grid->addWidget(LXT[2], 0, 2);
    grid->addWidget(EN_PRN, 0, 3);
    grid->addWidget(CmdSig, 0, 4);
    grid->addWidget(LXT[1], 1, 0);
    grid->addWidget(CmbPrinter, 1, 1, 1, 3);
    grid->addWidget(CmdCts, 1, 4);
    grid->addWidget(LXT[0], 2, 0);
    grid->addWidget(PrnHyoGam, 2, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {CmdRev, Cmd_Prn, CmdPdf, CmdStp})
        buttons->addWidget(button);
    grid->addLayout(buttons, 3, 0, 1, 5);
    setFixedSize(sizeHint());

    connect(CmdSig, &QPushButton::clicked, this, [this] { CmdSig_Click(); });
    connect(EN_PRN, &QComboBox::activated, this, [this](int index) { EN_PRN_Click(index); });
    connect(CmdCts, &QPushButton::clicked, this, [this] { CmdCts_Click(); });
    connect(CmdRev, &QPushButton::clicked, this, [this] { CmdRev_Click(); });
    connect(Cmd_Prn, &QPushButton::clicked, this, [this] { Cmd_Prn_Click(); });
    connect(CmdPdf, &QPushButton::clicked, this, [this] { CmdPdf_Click(); });
    connect(CmdStp, &QPushButton::clicked, this, [this] { CmdStp_Click(); });
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    ChoosePdfFile = [this] { return AskPdfFile(); };
}

void ScoreSheetOutput::Open(const ScoreSheetRequest& request, QPoint menuPosition)
{
    OpenMode = request.OpenMode;
    if (OpenMode == OpenedAfterMeasurement) {
        ImmediateEntryNo = request.EntryNo;
        const bool openBesideMenu = isVisible();
        if (!openBesideMenu)
            Form_Load();
        Form_Activate();
        if (!openBesideMenu)
            Form_Unload();
        else
            SaveReportSettings(Context, PrinterName);
        return;
    }
    if (!isVisible()) {
        Form_Load();
        move(menuPosition);
    }
    show();
    raise();
    activateWindow();
}

void ScoreSheetOutput::Form_Load()
{
    LoadScreenSettings(Context);
    LoadMicSettings(Context);
    LastNo = static_cast<int16_t>(ScanLog(Context).value_or(1) - 1);
    for (QComboBox* box : {ST_PRN, EN_PRN}) {
        box->clear();
        for (int n = 1; n <= LastNo; ++n)
            box->addItem(QString::number(n));
    }
    ST_PRN->setEditText(QStringLiteral("1"));
    EN_PRN->setEditText(QString::number(LastNo));
    CmbPrinter->clear();
    CmbPrinter->addItems(QPrinterInfo::availablePrinterNames());
    CmbPrinter->setEditText({});
    PrinterName.clear();
    PrnHyoGam->clear();
    PreviewMode = 0;
    CmdStp->setEnabled(true);
    Closing = false;
}

void ScoreSheetOutput::Form_Activate()
{
    if (LoadReportSettings(Context, PrinterName))
        CmbPrinter->setEditText(PrinterName);
    if (OpenMode == OpenedAfterMeasurement)
        ImmediatePrint();
}

void ScoreSheetOutput::ImmediatePrint()
{
    if (!SelectPrinter(PrinterName)) {
        Context.Messages.Inform(PrinterMissing, MessageIcon::None);
        Printer.setPrinterName(QPrinterInfo::defaultPrinterName());
    }
    OpenMode = OpenedFromMenu;
    PrintSingleSheet(ImmediateEntryNo);
}

void ScoreSheetOutput::PrintSingleSheet(int16_t entryNo)
{
    CurrentNo = entryNo;
    if (LoadSheet(entryNo))
        PrintSheetJob();
}

bool ScoreSheetOutput::LoadSheet(int entryNo)
{
    const std::optional<LoadedEntrant> entrant = LoadEntrant(Context, entryNo);
    if (!entrant)
        return false;
    Sheet.EntryNo = entryNo;
    Sheet.Title = Context.Settings.Screen.BandText[0];
    Sheet.MeasureSeconds = Context.Settings.Basic.MeasureSeconds;
    Sheet.MeasuredAt = entrant->MeasuredAt;
    Sheet.TotalPoints = entrant->TotalPoints;
    Sheet.MaxPoints = entrant->MaxPoints;
    Sheet.IntegPoints = entrant->IntegPoints;
    Sheet.Quality = entrant->Quality;
    Sheet.NoiseCutLevel = entrant->NoiseCutLevel;
    Sheet.Levels = entrant->Quality == 0 ? LoadGraphData8(Context, entryNo) : LoadGraphData16(Context, entryNo);
    return true;
}

bool ScoreSheetOutput::SelectPrinter(const QString& name)
{
    if (name.isEmpty() || !QPrinterInfo::availablePrinterNames().contains(name))
        return false;
    if (Printer.printerName() != name)
        Printer.setPrinterName(name);
    return true;
}

bool ScoreSheetOutput::PrintSheetJob()
{
    Printer.setOutputFormat(QPrinter::NativeFormat);
    Printer.setPageSize(QPageSize(QPageSize::A4));
    if (Printer.pageLayout().orientation() != QPageLayout::Portrait)
        Printer.setPageOrientation(QPageLayout::Portrait);
    Printer.setDocName(QStringLiteral("Zuvelo-%1").arg(CurrentNo, 4, 10, QLatin1Char('0')));
    QPainter painter;
    const bool printed = painter.begin(&Printer) && (DrawScoreSheet(painter, Sheet), painter.end());
    if (!printed)
        Context.Messages.Inform(QStringLiteral("プリンターに出力できません！(%1)").arg(CurrentNo), MessageIcon::Warning);
    return printed;
}

void ScoreSheetOutput::CmdSig_Click()
{
    EN_PRN->setEditText(ST_PRN->currentText());
}

void ScoreSheetOutput::EN_PRN_Click(int index)
{
    ST_PRN->setEditText(StartAfterEndChosen(ST_PRN->currentText(), EN_PRN->itemText(index).toInt()));
}

void ScoreSheetOutput::CmbPrinter_GotFocus()
{
    PrinterAtFocus = CmbPrinter->currentText();
}

void ScoreSheetOutput::CmbPrinter_LostFocus()
{
    const QString text = CmbPrinter->currentText();
    if (CmbPrinter->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        Context.Messages.Inform(QStringLiteral("指定のプリンターは存在しません！"), MessageIcon::Error);
        CmbPrinter->setEditText(PrinterAtFocus);
        return;
    }
    if (!StorablePrinterName(text)) {
        Context.Messages.Inform(QStringLiteral("このプリンター名は登録できません！"), MessageIcon::Warning);
        CmbPrinter->setEditText(PrinterAtFocus);
        return;
    }
    PrinterName = text;
}

void ScoreSheetOutput::CmdCts_Click()
{
    if (!SelectPrinter(CmbPrinter->currentText()))
        return;
    QPageSetupDialog dialog(&Printer, this);
    dialog.exec();
}

void ScoreSheetOutput::CmdRev_Click()
{
    if (Running)
        return;
    PreviewMode = -1;
    PCRX.Clear();
    OutputRange();
}

void ScoreSheetOutput::Cmd_Prn_Click()
{
    if (Running)
        return;
    if (!SelectPrinter(PrinterName)) {
        Context.Messages.Inform(PrinterMissing, MessageIcon::None);
        return;
    }
    PreviewMode = 0;
    OutputRange();
}

void ScoreSheetOutput::CmdPdf_Click()
{
    if (Running)
        return;
    const QString path = ChoosePdfFile();
    QDir::setCurrent(Context.Folder.Path());
    if (path.isEmpty())
        return;
    PdfPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PdfPrinter->setOutputFormat(QPrinter::PdfFormat);
    PdfPrinter->setOutputFileName(path);
    PdfPrinter->setPageSize(QPageSize(QPageSize::A4));
    PdfPrinter->setPageOrientation(QPageLayout::Portrait);
    PdfPrinter->setFullPage(true);
    PdfPrinter->setDocName(QStringLiteral("成績表"));
    PdfPainter = std::make_unique<QPainter>();
    PreviewMode = 0;
    RunRange(Target::PdfFile);
    const bool written = !PdfPainter->isActive() || PdfPainter->end();
    PdfPainter.reset();
    PdfPrinter.reset();
    if (!written)
        Context.Messages.Inform(QStringLiteral("PDFファイルに書き込めません！"), MessageIcon::Warning);
}

QString ScoreSheetOutput::AskPdfFile()
{
    QFileDialog dialog(this, QStringLiteral("PDF保存"), Context.Folder.Path(), QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectFile(QStringLiteral("成績表.pdf"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void ScoreSheetOutput::CmdStp_Click()
{
    StopRequest = -1;
}

void ScoreSheetOutput::OutputRange()
{
    RunRange(PreviewMode == -1 ? Target::Preview : Target::Printer);
}

void ScoreSheetOutput::RunRange(Target target)
{
    StopRequest = 0;
    PreviewStopRequest = 0;
    const std::optional<int16_t> start = RangeNumber(ST_PRN->currentText());
    const std::optional<int16_t> end = RangeNumber(EN_PRN->currentText());
    if (!start || !end) {
        Context.Messages.Inform(QStringLiteral("開始№・終了№が範囲外です！"), MessageIcon::Error);
        return;
    }
    StartNo = *start;
    EndNo = *end;
    RunTarget = target;
    Running = true;
    CmdStp->setEnabled(true);
    const int lastEntry = ScanLog(Context).value_or(static_cast<int16_t>(LastNo + 1)) - 1;
    OutputRunSteps steps;
    steps.ShowNumber = [this](int n) { PrnHyoGam->setText(QString::number(n)); };
    steps.LetEventsRun = [] { QCoreApplication::processEvents(); };
    steps.StopRequested = [this] { return StopRequest == -1 || Closing || Context.EndRequested(); };
    steps.ConfirmStop = [this] {
        if (Closing || Context.EndRequested())
            return true;
        if (Context.Messages.Show(QStringLiteral("出力を中断しますか？"), {}, MessageIcon::Information, MessageButtons::YesNo)
            == MessageAnswer::Yes)
            return true;
        StopRequest = 0;
        return false;
    };
    steps.OutputSheet = [this](int n) { return OutputSheet(n); };
    const RunEnd runEnd = RunOutputRange(StartNo, EndNo, lastEntry, steps);
    CmdStp->setEnabled(false);
    Running = false;
    if (runEnd == RunEnd::Completed && target != Target::Preview)
        Context.Messages.Inform(QStringLiteral("出力終了！"), MessageIcon::Information);
}

bool ScoreSheetOutput::OutputSheet(int entryNo)
{
    CurrentNo = static_cast<int16_t>(entryNo);
    // A record that cannot be loaded has been reported; no sheet shows another
    // entrant's scores under its number.
    if (!LoadSheet(entryNo))
        return true;
    switch (RunTarget) {
    case Target::Printer:
        PrintSheetJob();
        return true;
    case Target::PdfFile:
        if (PdfPainter->isActive())
            PdfPrinter->newPage();
        else if (!PdfPainter->begin(PdfPrinter.get()))
            return true;
        DrawScoreSheet(*PdfPainter, Sheet);
        return true;
    case Target::Preview:
        break;
    }
    PCRX.Draw([this](QPainter& painter) { DrawScoreSheet(painter, Sheet); });
    if (ShowPreview)
        ShowPreview(PCRX, PreviewStopRequest);
    const bool goOn = PreviewStopRequest != -1;
    PCRX.Clear();
    return goOn;
}

void ScoreSheetOutput::Form_Unload()
{
    SaveReportSettings(Context, PrinterName);
}

void ScoreSheetOutput::closeEvent(QCloseEvent* event)
{
    Closing = Running;
    Form_Unload();
    QWidget::closeEvent(event);
}

void ScoreSheetOutput::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        // Coming back from one of its own message boxes or dialogs is not
        // becoming active anew.
        const QWidget* next = QApplication::activeWindow();
        ReturningFromOwnDialog = QApplication::activeModalWidget()
                                 || (next && next->parentWidget() && next->parentWidget()->window() == this);
        return;
    }
    if (!ReturningFromOwnDialog && isVisible())
        Form_Activate();
    ReturningFromOwnDialog = false;
}

bool ScoreSheetOutput::eventFilter(QObject* watched, QEvent* event)
{
    if (IsEnter(event))
        return true;
    if (watched == CmbPrinter && event->type() == QEvent::FocusIn)
        CmbPrinter_GotFocus();
    if (watched == CmbPrinter && event->type() == QEvent::FocusOut
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        CmbPrinter_LostFocus();
    if (event->type() == QEvent::KeyPress && (watched == ST_PRN->lineEdit() || watched == EN_PRN->lineEdit())) {
        auto* edit = static_cast<QLineEdit*>(watched);
        if (!static_cast<QKeyEvent*>(event)->text().isEmpty() && edit->cursorPosition() == 0 && !edit->hasSelectedText())
            edit->clear();
    }
    return QWidget::eventFilter(watched, event);
}
