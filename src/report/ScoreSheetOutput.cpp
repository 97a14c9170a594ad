#include "report/ScoreSheetOutput.h"

#include "report/RangeNumbers.h"
#include "widgets/ContestSession.h"
#include "core/ResultStore.h"
#include "widgets/OperatorMessages.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <utility>

namespace {

QComboBox* RangeBox(const QString& name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(6);
    return box;
}

QPushButton* Button(const QString& name, const QString& caption, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
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

// Focus that comes or goes with the window's activation or a pop-up is not
// the operator moving between the controls.
bool MovedBetweenControls(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}

ScoreSheetOutput::ScoreSheetOutput(ContestSession& context, QWidget* parent, WaitClock& clock)
    : QWidget(parent, Qt::Window), Context(context), Printing(context), RangeRun(new OutputRun(clock, this))
{
    setWindowTitle(QStringLiteral("成績出力"));
    startBox = RangeBox(QStringLiteral("startBox"), this);
    endBox = RangeBox(QStringLiteral("endBox"), this);
    singleSheetButton = Button(QStringLiteral("singleSheetButton"), QStringLiteral("単票"),
                               QStringLiteral("開始帳票のみを印字します。"), this);
    printerBox = new QComboBox(this);
    printerBox->setObjectName(QStringLiteral("printerBox"));
    printerBox->setEditable(true);
    printerBox->setInsertPolicy(QComboBox::NoInsert);
    printerBox->setMinimumContentsLength(24);
    printerOptionsButton = Button(QStringLiteral("printerOptionsButton"), QStringLiteral("設定(&S)"), {}, this);
    previewButton = Button(QStringLiteral("previewButton"), QStringLiteral("ﾌﾟﾚﾋﾞｭｰ(&R)"),
                           QStringLiteral("指定された範囲の帳票をプレビューします。"), this);
    printButton = Button(QStringLiteral("printButton"), QStringLiteral("出力(&P)"),
                         QStringLiteral("指定された範囲の帳票を出力します。"), this);
    pdfButton = Button(QStringLiteral("pdfButton"), QStringLiteral("PDF保存(&F)"),
                       QStringLiteral("指定された範囲の帳票をPDFファイルに保存します。"), this);
    stopButton = Button(QStringLiteral("stopButton"), QStringLiteral("中断(&B)"), QStringLiteral("印字を中断します。"), this);
    sheetNumberBox = new QLineEdit(this);
    sheetNumberBox->setObjectName(QStringLiteral("sheetNumberBox"));
    sheetNumberBox->setReadOnly(true);
    sheetNumberBox->setMaximumWidth(90);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("開始№"), this), 0, 0);
    grid->addWidget(startBox, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("終了№"), this), 0, 2);
    grid->addWidget(endBox, 0, 3);
    grid->addWidget(singleSheetButton, 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("プリンター"), this), 1, 0);
    grid->addWidget(printerBox, 1, 1, 1, 3);
    grid->addWidget(printerOptionsButton, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("印字№"), this), 2, 0);
    grid->addWidget(sheetNumberBox, 2, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {previewButton, printButton, pdfButton, stopButton})
        buttons->addWidget(button);
    grid->addLayout(buttons, 3, 0, 1, 5);
    setFixedSize(sizeHint());

    connect(singleSheetButton, &QPushButton::clicked, this, [this] { TakeStartAsEnd(); });
    connect(endBox, &QComboBox::activated, this, [this](int index) { EndChosen(index); });
    connect(printerOptionsButton, &QPushButton::clicked, this, [this] { OpenPrinterOptions(); });
    connect(previewButton, &QPushButton::clicked, this, [this] { PreviewRange(); });
    connect(printButton, &QPushButton::clicked, this, [this] { PrintRange(); });
    connect(pdfButton, &QPushButton::clicked, this, [this] { SaveRangeAsPdf(); });
    connect(stopButton, &QPushButton::clicked, this, [this] { StopRequest = true; });
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    ChoosePdfFile = [this] { return AskPdfFile(); };
    ShowPrinterOptions = [this](QPrinter& printer) { return AskPrinterOptions(printer); };
    connect(RangeRun, &OutputRun::ended, this, [this](RunEnd end) {
        stopButton->setEnabled(false);
        std::exchange(RangeEnded, {})(end);
    });
    connect(&context, &ContestSession::endRequested, RangeRun, &OutputRun::Abandon);
}

void ScoreSheetOutput::Open(const ScoreSheetRequest& request, QPoint menuPosition)
{
    if (request.OpenMode == OpenedAfterMeasurement) {
        PrintAfterMeasurement(request.EntryNo);
        return;
    }
    if (!isVisible()) {
        Prepare();
        move(menuPosition);
    }
    show();
    raise();
    activateWindow();
}

void ScoreSheetOutput::Prepare()
{
    const int lastNo = ScanLog(Context).value_or(1) - 1;
    for (QComboBox* box : {startBox, endBox}) {
        box->clear();
        for (int n = 1; n <= lastNo; ++n)
            box->addItem(QString::number(n));
    }
    startBox->setEditText(QStringLiteral("1"));
    endBox->setEditText(QString::number(lastNo));
    printerBox->clear();
    printerBox->addItems(QPrinterInfo::availablePrinterNames());
    PrinterName = Printing.RememberedPrinter();
    printerBox->setEditText(PrinterName);
    sheetNumberBox->clear();
    stopButton->setEnabled(true);
}

// Beside the menu the sheet goes to the printer chosen in the window.
void ScoreSheetOutput::PrintAfterMeasurement(int entryNo)
{
    if (isVisible())
        Printing.PrintAfterMeasurement(entryNo, PrinterName);
    else
        Printing.PrintOnRememberedPrinter(entryNo);
}

void ScoreSheetOutput::TakeStartAsEnd()
{
    endBox->setEditText(startBox->currentText());
}

void ScoreSheetOutput::EndChosen(int index)
{
    startBox->setEditText(StartAfterEndChosen(startBox->currentText(), endBox->itemText(index).toInt()));
}

void ScoreSheetOutput::PrinterBoxEntered(Qt::FocusReason reason)
{
    if (MovedBetweenControls(reason))
        PrinterAtFocus = printerBox->currentText();
}

// A name the file cannot hold is still printed on while the program runs;
// only storing it is refused.
void ScoreSheetOutput::PrinterBoxLeft(Qt::FocusReason reason)
{
    if (!MovedBetweenControls(reason))
        return;
    const QString text = printerBox->currentText();
    if (printerBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        Context.Messages.Inform(QStringLiteral("指定のプリンターは存在しません！"), MessageIcon::Error);
        printerBox->setEditText(PrinterAtFocus);
        return;
    }
    PrinterName = text;
}

void ScoreSheetOutput::OpenPrinterOptions()
{
    if (RangeRun->Running())
        return;
    if (!Printing.UsePrinter(printerBox->currentText())) {
        Context.Messages.Inform(PrinterMissingText(), MessageIcon::None);
        return;
    }
    if (!ShowPrinterOptions(Printing.Printer()))
        return;
    // A printer chosen in its options becomes the window's choice.
    const QString chosen = Printing.Printer().printerName();
    if (printerBox->findText(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) {
        printerBox->setEditText(chosen);
        PrinterName = chosen;
    }
}

bool ScoreSheetOutput::AskPrinterOptions(QPrinter& printer)
{
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("プリンターの設定"));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    return dialog.exec() == QDialog::Accepted;
}

void ScoreSheetOutput::PreviewRange()
{
    if (RangeRun->Running())
        return;
    Printing.ClearPreview();
    RunRange(Target::Preview, [this](RunEnd end) { Tell(RunEndMessage(end, true)); });
}

void ScoreSheetOutput::PrintRange()
{
    if (RangeRun->Running())
        return;
    if (!Printing.UsePrinter(PrinterName)) {
        Context.Messages.Inform(PrinterMissingText(), MessageIcon::None);
        return;
    }
    RunRange(Target::Printer, [this](RunEnd end) { Tell(RunEndMessage(end, false)); });
}

void ScoreSheetOutput::SaveRangeAsPdf()
{
    if (RangeRun->Running())
        return;
    const QString path = ChoosePdfFile();
    if (path.isEmpty())
        return;
    Printing.BeginPdf(path);
    RunRange(Target::PdfFile, [this](RunEnd end) {
        if (Printing.EndPdf())
            Tell(RunEndMessage(end, false));
    });
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

void ScoreSheetOutput::RunRange(Target target, std::function<void(RunEnd)> ended)
{
    StopRequest = false;
    const std::optional<int16_t> start = RangeNumber(startBox->currentText());
    const std::optional<int16_t> end = RangeNumber(endBox->currentText());
    if (!start || !end) {
        Context.Messages.Inform(QStringLiteral("開始№・終了№が範囲外です！"), MessageIcon::Error);
        ended(RunEnd::Stopped);
        return;
    }
    stopButton->setEnabled(true);
    const int lastEntry = ScanLog(Context).value_or(1) - 1;
    OutputRunSteps steps;
    steps.ShowNumber = [this](int n) { sheetNumberBox->setText(QString::number(n)); };
    steps.StopRequested = [this] { return StopRequest; };
    steps.ConfirmStop = [this] {
        if (Context.Messages.Show(QStringLiteral("出力を中断しますか？"), {}, MessageIcon::Information, MessageButtons::YesNo)
            == MessageAnswer::Yes)
            return true;
        StopRequest = false;
        return false;
    };
    steps.OutputSheet = [this, target](int n) { return OutputSheet(target, n); };
    RangeEnded = std::move(ended);
    RangeRun->Start(*start, *end, lastEntry, std::move(steps));
}

SheetOutcome ScoreSheetOutput::OutputSheet(Target target, int entryNo)
{
    const SheetOutcome outcome = Printing.Output(target, entryNo);
    if (outcome == SheetOutcome::OnView)
        emit previewRequested(Printing.PreviewPage());
    return outcome;
}

void ScoreSheetOutput::previewClosed(bool runStopped)
{
    Printing.ClearPreview();
    RangeRun->SheetLeft(runStopped);
}

void ScoreSheetOutput::Tell(const QString& message)
{
    if (!message.isEmpty())
        Context.Messages.Inform(message, MessageIcon::Information);
}

void ScoreSheetOutput::closeEvent(QCloseEvent* event)
{
    RangeRun->Abandon();
    Printing.RememberPrinter(PrinterName);
    QWidget::closeEvent(event);
}

bool ScoreSheetOutput::eventFilter(QObject* watched, QEvent* event)
{
    if (IsEnter(event))
        return true;
    if (watched == printerBox && event->type() == QEvent::FocusIn)
        PrinterBoxEntered(static_cast<QFocusEvent*>(event)->reason());
    if (watched == printerBox && event->type() == QEvent::FocusOut)
        PrinterBoxLeft(static_cast<QFocusEvent*>(event)->reason());
    if (event->type() == QEvent::KeyPress && (watched == startBox->lineEdit() || watched == endBox->lineEdit())) {
        auto* edit = static_cast<QLineEdit*>(watched);
        if (!static_cast<QKeyEvent*>(event)->text().isEmpty() && edit->cursorPosition() == 0 && !edit->hasSelectedText())
            edit->clear();
    }
    return QWidget::eventFilter(watched, event);
}
