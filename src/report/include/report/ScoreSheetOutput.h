#pragma once

#include "core/OpenRequests.h"
#include "core/WaitClock.h"
#include "report/OutputRun.h"
#include "report/ScoreSheetPrinting.h"

#include <QWidget>
#include <functional>

class ContestSession;
class QComboBox;
class QLineEdit;
class QPushButton;

// The score sheet output: one A4 sheet per entrant for a range of entry
// numbers, to the chosen printer, into the preview, or into one PDF file.
// The window chooses the printer and the range; the sheets are printed by
// ScoreSheetPrinting. Opened from the menu beside it, or without ever
// showing itself to print the sheet of the entrant just stored.
class ScoreSheetOutput : public QWidget {
    Q_OBJECT
public:
    // Paces its runs over a range on `clock`.
    explicit ScoreSheetOutput(ContestSession& context, QWidget* parent = nullptr, WaitClock& clock = SystemClock());

    // Opens the window as the request says: from the menu at `menuPosition`,
    // with the printer remembered in the contest folder chosen (the system's
    // default printer on first use); or for the immediate print of a stored
    // entrant's sheet on that printer (on the one chosen in the window while
    // it is open), never on another, and without changing a run's printer.
    void Open(const ScoreSheetRequest& request, QPoint menuPosition = {});

    // The printer the next run prints on.
    QString ChosenPrinter() const { return PrinterName; }

    // What asks where to save the PDF file (an empty path when cancelled),
    // and what shows the options of the printer (paper, quality, two-sided
    // printing) for the operator to change (true when accepted): the window's
    // own dialogs unless a test gives others.
    void SetPdfFileChooser(std::function<QString()> chooser) { ChoosePdfFile = std::move(chooser); }
    void SetPrinterOptionsDialog(std::function<bool(QPrinter&)> dialog) { ShowPrinterOptions = std::move(dialog); }

public slots:
    // The preview of the sheet on view has closed: the run goes on, or ends
    // after that sheet when the operator stopped it in the preview.
    void previewClosed(bool runStopped);

signals:
    // A sheet of a preview run is drawn on `page`, to be shown until the
    // operator goes on; the run holds until previewClosed.
    void previewRequested(const PageSurface& page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Target = ScoreSheetPrinting::Target;

    void Prepare();
    void PrintAfterMeasurement(int entryNo);
    void TakeStartAsEnd();
    void EndChosen(int index);
    void PrinterBoxEntered(Qt::FocusReason reason);
    void PrinterBoxLeft(Qt::FocusReason reason);
    void OpenPrinterOptions();
    void PreviewRange();
    void PrintRange();
    void SaveRangeAsPdf();
    QString AskPdfFile();
    bool AskPrinterOptions(QPrinter& printer);
    // Starts the run; `ended` follows its end.
    void RunRange(Target target, std::function<void(RunEnd)> ended);
    SheetOutcome OutputSheet(Target target, int entryNo);
    // Tells the end of a run, when it has something to say.
    void Tell(const QString& message);

    ContestSession& Context;
    ScoreSheetPrinting Printing;
    std::function<QString()> ChoosePdfFile;
    std::function<bool(QPrinter&)> ShowPrinterOptions;

    QComboBox* startBox = nullptr;
    QComboBox* endBox = nullptr;
    QPushButton* singleSheetButton = nullptr;
    QComboBox* printerBox = nullptr;
    QPushButton* printerOptionsButton = nullptr;
    QPushButton* previewButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* pdfButton = nullptr;
    QPushButton* stopButton = nullptr;
    QLineEdit* sheetNumberBox = nullptr;

    QString PrinterName;
    QString PrinterAtFocus;
    bool StopRequest = false;
    // Abandoned when the window closes or the program ends.
    OutputRun* RangeRun;
    std::function<void(RunEnd)> RangeEnded;
};
