#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <gtest/gtest.h>

// Tests on the CUPS printer of the test command, named by
// ZUVELO_TEST_PRINTER; each job becomes a PDF file in the folder
// ZUVELO_TEST_PRINTER_OUTPUT, and the scheduler keeps the document it
// received in its spool folder ZUVELO_TEST_PRINTER_SPOOL. Skipped where no
// printer is named.
class TestPrinterTest : public testing::Test {
protected:
    void SetUp() override
    {
        Printer = qEnvironmentVariable("ZUVELO_TEST_PRINTER");
        if (Printer.isEmpty())
            GTEST_SKIP() << "no test printer: ZUVELO_TEST_PRINTER is not set";
        Output = QDir(qEnvironmentVariable("ZUVELO_TEST_PRINTER_OUTPUT", QDir::homePath() + QStringLiteral("/PDF")));
        Output.mkpath(QStringLiteral("."));
        const QStringList files = PdfFiles();
        Before = QSet<QString>(files.begin(), files.end());
    }

    QStringList PdfFiles() const { return Output.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed); }

    static bool QueueEmpty()
    {
        QProcess queue;
        queue.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
        queue.waitForFinished(10000);
        return queue.readAllStandardOutput().trimmed().isEmpty();
    }

    // The job files that appeared since the test began, oldest first, once
    // the queue is empty and `count` have appeared (or 60 s have passed).
    QStringList NewJobs(int count) const
    {
        QElapsedTimer waited;
        waited.start();
        QStringList jobs;
        do {
            QCoreApplication::processEvents();
            QThread::msleep(200);
            jobs.clear();
            for (const QString& file : PdfFiles())
                if (!Before.contains(file))
                    jobs << Output.filePath(file);
        } while ((jobs.size() < count || !QueueEmpty()) && waited.elapsed() < 60000);
        return jobs;
    }

    static QString Run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // The document CUPS received for the job whose printed file this is:
    // what the program sent to the printer. CUPS keeps it in its spool
    // folder as d<job number>-001.
    static QString JobDocument(const QString& printedFile)
    {
        static const QRegularExpression jobNumber(QStringLiteral("job_(\\d+)\\.pdf$"));
        const QRegularExpressionMatch match = jobNumber.match(printedFile);
        if (!match.hasMatch())
            return {};
        const QString spool = qEnvironmentVariable("ZUVELO_TEST_PRINTER_SPOOL", QStringLiteral("/var/spool/cups"));
        return spool + QStringLiteral("/d%1-001").arg(match.captured(1).toInt(), 5, 10, QLatin1Char('0'));
    }

    // The text lines of a PDF file in the order drawn. A PDF places text
    // by position and holds no runs of blanks, so every run of blanks (full
    // width ones too) reads as one.
    static QStringList PdfLines(const QString& path)
    {
        QStringList lines;
        for (const QString& line : Run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")})
                                       .split(QLatin1Char('\n')))
            lines << line.simplified();
        return lines;
    }

    // The first page as a picture of `dpi` dots per inch.
    static QImage PdfPage(const QString& path, int dpi)
    {
        const QString stem = path + QStringLiteral("-page");
        Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), path, stem});
        QImage page(stem + QStringLiteral(".png"));
        QFile::remove(stem + QStringLiteral(".png"));
        return page;
    }

    QString Printer;
    QDir Output;
    QSet<QString> Before;
};
