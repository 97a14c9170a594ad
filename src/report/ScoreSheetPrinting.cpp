#include "report/ScoreSheetPrinting.h"

#include "core/EntrantLevels.h"
#include "core/ReportSettings.h"
#include "core/ResultStore.h"
#include "printing/PrintJobs.h"
#include "report/GraphData.h"
#include "report/ScoreSheetDrawing.h"
#include "widgets/ContestSession.h"
#include "widgets/EntrantNames.h"
#include "widgets/OperatorMessages.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>

namespace {

QString PdfUnwritable(const QString& path)
{
    return QStringLiteral("PDFファイルに書き込めません！\n") + QDir::toNativeSeparators(path);
}

} // namespace

QString PrinterMissingText()
{
    return QStringLiteral("指定のプリンターが見つかりません");
}

ScoreSheetPrinting::ScoreSheetPrinting(ContestSession& context) : Context(context)
{
    RunPrinter.setPageSize(QPageSize(QPageSize::A4));
}

void ScoreSheetPrinting::PrintAfterMeasurement(int entryNo, const QString& name)
{
    // A run going on keeps its printer; another printer gets a job of its own.
    QPrinter otherPrinter(QPrinter::HighResolution);
    QPrinter& printer = name == RunPrinter.printerName() ? RunPrinter : otherPrinter;
    if (UsePrinter(printer, name)) {
        // A record that cannot be loaded has been reported; no sheet shows
        // another entrant's scores under its number.
        if (const std::optional<ScoreSheet> sheet = LoadSheet(entryNo))
            PrintSheet(printer, *sheet);
        return;
    }
    const QString missing = name.isEmpty() ? PrinterMissingText() : PrinterMissingText() + QStringLiteral("(%1)").arg(name);
    Context.Messages.Inform(missing + QStringLiteral("\nこの成績表は成績出力から印刷できます。"), MessageIcon::None);
}

QString ScoreSheetPrinting::RememberedPrinter()
{
    const ReportSettingsLoad load = LoadReportSettings(Context);
    if (std::holds_alternative<ReportSettingsDamaged>(load)) {
        Report(Context.Messages, ReportSettingsDamaged{});
        return {};
    }
    const QString* remembered = std::get_if<QString>(&load);
    return remembered && !remembered->isEmpty() ? *remembered : QPrinterInfo::defaultPrinterName();
}

void ScoreSheetPrinting::RememberPrinter(const QString& name)
{
    if (const ReportSettingsSave failure = SaveReportSettings(Context, name))
        std::visit([this](const auto& reason) { Report(Context.Messages, reason); }, *failure);
}

void ScoreSheetPrinting::PrintOnRememberedPrinter(int entryNo)
{
    const QString name = RememberedPrinter();
    PrintAfterMeasurement(entryNo, name);
    RememberPrinter(name);
}

void ScoreSheetPrinting::BeginPdf(const QString& path)
{
    PdfPath = path;
    PdfPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PdfPrinter->setOutputFormat(QPrinter::PdfFormat);
    PdfPrinter->setOutputFileName(path);
    PdfPrinter->setPageSize(QPageSize(QPageSize::A4));
    PdfPrinter->setPageOrientation(QPageLayout::Portrait);
    PdfPrinter->setFullPage(true);
    PdfPrinter->setDocName(QStringLiteral("成績表"));
    PdfPainter = std::make_unique<QPainter>();
}

bool ScoreSheetPrinting::EndPdf()
{
    // The file is complete only once the painter has ended it.
    const bool written = !PdfPainter->isActive() || (PdfPainter->end() && QFileInfo(PdfPath).size() > 0);
    PdfPainter.reset();
    PdfPrinter.reset();
    if (!written)
        Context.Messages.Inform(PdfUnwritable(PdfPath), MessageIcon::Warning);
    return written;
}

// A record that cannot be loaded has been reported, and ends the run as a
// failed sheet: no sheet shows another entrant's scores under its number.
SheetOutcome ScoreSheetPrinting::Output(Target target, int entryNo)
{
    const std::optional<ScoreSheet> loaded = LoadSheet(entryNo);
    if (!loaded)
        return SheetOutcome::Failed;
    const ScoreSheet& sheet = *loaded;
    switch (target) {
    case Target::Printer:
        return PrintSheet(RunPrinter, sheet) ? SheetOutcome::Output : SheetOutcome::Failed;
    case Target::PdfFile:
        return ToPdf(sheet);
    case Target::Preview:
        break;
    }
    Page.Draw([&sheet](QPainter& painter) { DrawScoreSheet(painter, sheet); });
    return SheetOutcome::OnView;
}

SheetOutcome ScoreSheetPrinting::ToPdf(const ScoreSheet& sheet)
{
    if (PdfPainter->isActive()) {
        PdfPrinter->newPage();
    } else if (!PdfPainter->begin(PdfPrinter.get())) {
        Context.Messages.Inform(PdfUnwritable(PdfPath), MessageIcon::Warning);
        return SheetOutcome::Failed;
    }
    DrawScoreSheet(*PdfPainter, sheet, DrawWaveformOutline);
    return SheetOutcome::Output;
}

std::optional<ScoreSheet> ScoreSheetPrinting::LoadSheet(int entryNo)
{
    const std::optional<LoadedEntrant> entrant = ValueOrReport<LoadedEntrant>(Context.Messages, LoadEntrant(Context, entryNo));
    if (!entrant)
        return std::nullopt;
    ScoreSheet sheet;
    sheet.EntryNo = entryNo;
    const EntrantRoster names = ReadEntrantNames(Context);
    if (const EntrantName* named = names.Find(entryNo)) {
        sheet.Name = named->Name;
        sheet.Group = named->Group;
    }
    sheet.Title = Context.Settings.Screen.BandText[0];
    sheet.MeasureSeconds = Context.Settings.Basic.MeasureSeconds;
    sheet.MeasuredAt = entrant->MeasuredAt;
    sheet.TotalPoints = entrant->TotalPoints;
    sheet.MaxPoints = entrant->MaxPoints;
    sheet.IntegPoints = entrant->IntegPoints;
    sheet.Quality = entrant->Quality;
    sheet.NoiseCutLevel = entrant->NoiseCutLevel;
    sheet.Levels = LoadGraphData(Context, *entrant);
    if (const auto shown = ReadShownLevels(Context)) {
        if (const auto* levels = std::get_if<EntrantLevels>(&*shown); levels && levels->contains(entryNo))
            sheet.SoundLevel = levels->at(entryNo);
    }
    return sheet;
}

// Makes `printer` print on the installed printer of that exact name; a
// printer newly chosen starts on A4 until its options say otherwise.
bool ScoreSheetPrinting::UsePrinter(QPrinter& printer, const QString& name)
{
    if (name.isEmpty() || !QPrinterInfo::availablePrinterNames().contains(name))
        return false;
    if (printer.printerName() != name) {
        printer.setPrinterName(name);
        printer.setPageSize(QPageSize(QPageSize::A4));
    }
    return true;
}

// One sheet as one print job, upright whatever the printer's options say.
bool ScoreSheetPrinting::PrintSheet(QPrinter& printer, const ScoreSheet& sheet)
{
    printer.setOutputFormat(QPrinter::NativeFormat);
    if (printer.pageLayout().orientation() != QPageLayout::Portrait)
        printer.setPageOrientation(QPageLayout::Portrait);
    const QString title = QStringLiteral("Zuvelo-%1").arg(sheet.EntryNo, 4, 10, QLatin1Char('0'));
    printer.setDocName(title);
    const int lastJob = LastPrintJobId(printer.printerName());
    QPainter painter;
    bool printed = painter.begin(&printer);
    if (printed) {
        DrawScoreSheet(painter, sheet, DrawWaveformOutline);
        printed = painter.end() && PrintJobAccepted(printer.printerName(), title, lastJob);
    }
    if (!printed)
        Context.Messages.Inform(QStringLiteral("プリンターに出力できません！(%1)").arg(sheet.EntryNo), MessageIcon::Warning);
    return printed;
}
