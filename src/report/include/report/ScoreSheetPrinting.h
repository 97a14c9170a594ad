#pragma once

#include "report/OutputRun.h"
#include "report/PageSurface.h"
#include "report/ScoreSheetLayout.h"

#include <QPainter>
#include <QPrinter>
#include <memory>
#include <optional>

class ContestSession;

// The score sheets of stored entrants and where they go, without a window:
// the printer of a run (each sheet a print job of its own, counted only once
// CUPS has taken it), one PDF file, or the page the preview shows. A failure
// is told here; the score sheet window only chooses.
class ScoreSheetPrinting {
public:
    enum class Target { Printer, Preview, PdfFile };

    explicit ScoreSheetPrinting(ContestSession& context);

    // Makes the run's printer print on the installed printer of that exact
    // name; false when there is none.
    bool UsePrinter(const QString& name) { return UsePrinter(RunPrinter, name); }
    // The run's printer, for its options to be changed.
    QPrinter& Printer() { return RunPrinter; }

    // The printer the report settings remember; the system's default
    // printer where sheets were never output before. Nothing when the file
    // is damaged (told).
    QString RememberedPrinter();
    // Keeps the printer in the report settings; a failure is told.
    void RememberPrinter(const QString& name);

    // The sheet of the entrant just stored, on printer `name`: the run's
    // printer when it is the same, so that a run keeps its own.
    void PrintAfterMeasurement(int entryNo, const QString& name);
    // The same with no score sheet window open: with the settings as stored,
    // on the remembered printer, which stays remembered.
    void PrintOnRememberedPrinter(int entryNo);

    // The sheets of a run into a PDF file go to `path`, which is complete
    // once EndPdf answers true.
    void BeginPdf(const QString& path);
    bool EndPdf();

    // One sheet of a run; into the preview it is drawn on PreviewPage and
    // stays on view.
    SheetOutcome Output(Target target, int entryNo);
    const PageSurface& PreviewPage() const { return Page; }
    void ClearPreview() { Page.Clear(); }

private:
    // Nothing when the entrant's record cannot be loaded (reported).
    std::optional<ScoreSheet> LoadSheet(int entryNo);
    static bool UsePrinter(QPrinter& printer, const QString& name);
    bool PrintSheet(QPrinter& printer, const ScoreSheet& sheet);
    SheetOutcome ToPdf(const ScoreSheet& sheet);

    ContestSession& Context;
    QPrinter RunPrinter{QPrinter::HighResolution};
    PageSurface Page;
    QString PdfPath;
    std::unique_ptr<QPrinter> PdfPrinter;
    std::unique_ptr<QPainter> PdfPainter;
};

// "指定のプリンターが見つかりません".
QString PrinterMissingText();
