#pragma once

#include "report/PageSurface.h"
#include "report/ScoreSheetLayout.h"
#include "store/OpenRequests.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class ContestState;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The score sheet output: one A4 sheet per entrant for a range of entry
// numbers, to the chosen printer (each sheet a print job of its own), into
// the preview, or into one PDF file. Opened from the menu beside it, or
// without ever showing itself to print the sheet of the entrant just stored.
class ScoreSheetOutput : public QWidget {
public:
    explicit ScoreSheetOutput(ContestState& context, QWidget* parent = nullptr);

    // Opens the window as the request says: from the menu at `menuPosition`,
    // or for the immediate print of one sheet, after which it closes again.
    // An immediate print while the window is open from the menu prints
    // through it and leaves it open as it was.
    void Open(const ScoreSheetRequest& request, QPoint menuPosition = {});

    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void ImmediatePrint();
    void OutputRange();
    void PrintSingleSheet(int16_t entryNo);
    // False, and no sheet, when the entrant's record cannot be loaded.
    bool LoadSheet(int entryNo);
    void CmdSig_Click();
    void EN_PRN_Click(int index);
    void CmbPrinter_GotFocus();
    void CmbPrinter_LostFocus();
    void CmdCts_Click();
    void CmdRev_Click();
    void Cmd_Prn_Click();
    void CmdPdf_Click();
    void CmdStp_Click();

    QComboBox* ST_PRN = nullptr;
    QComboBox* EN_PRN = nullptr;
    QPushButton* CmdSig = nullptr;
    QComboBox* CmbPrinter = nullptr;
    QPushButton* CmdCts = nullptr;
    QPushButton* CmdRev = nullptr;
    QPushButton* Cmd_Prn = nullptr;
    QPushButton* CmdPdf = nullptr;
    QPushButton* CmdStp = nullptr;
    QLineEdit* PrnHyoGam = nullptr;
    std::array<QLabel*, 4> LXT{};
    PageSurface PCRX;

    int16_t OpenMode = OpenedFromMenu;
    int16_t ImmediateEntryNo = 0;
    // -1 into the preview, 0 to the printer.
    int16_t PreviewMode = 0;
    int16_t StopRequest = 0;
    int16_t PreviewStopRequest = 0;
    int16_t StartNo = 0;
    int16_t EndNo = 0;
    int16_t CurrentNo = 0;
    int16_t LastNo = 0;
    QString PrinterName;
    ScoreSheet Sheet;
    bool Running = false;

    // Shows the preview of the sheet on the page surface and waits until it
    // closes; it sets the stop request to -1 when the operator stops there.
    std::function<void(const PageSurface& page, int16_t& previewStopRequest)> ShowPreview;
    // Asks where to save the PDF file; an empty path when cancelled.
    std::function<QString()> ChoosePdfFile;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Target { Printer, Preview, PdfFile };

    QString AskPdfFile();
    bool SelectPrinter(const QString& name);
    bool PrintSheetJob();
    bool OutputSheet(int entryNo);
    void RunRange(Target target);

    ContestState& Context;
    QPrinter Printer{QPrinter::HighResolution};
    Target RunTarget = Target::Printer;
    std::unique_ptr<QPrinter> PdfPrinter;
    std::unique_ptr<QPainter> PdfPainter;
    QString PrinterAtFocus;
    bool ReturningFromOwnDialog = false;
    bool Closing = false;
};
