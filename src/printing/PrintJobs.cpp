#include "printing/PrintJobs.h"

#include <cups/cups.h>

#include <algorithm>
#include <functional>

namespace {

// Calls `visit` for each job of `printer`, the finished ones included.
void ForEachJob(const QString& printer, const std::function<void(const cups_job_t&)>& visit)
{
    cups_job_t* jobs = nullptr;
    // A printer instance ("name/instance") prints on the queue before the slash.
    const QByteArray queue = printer.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.constData(), 0, CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < count; ++i)
        visit(jobs[i]);
    cupsFreeJobs(count, jobs);
}

}

int LastPrintJobId(const QString& printer)
{
    int last = 0;
    ForEachJob(printer, [&last](const cups_job_t& job) { last = std::max(last, job.id); });
    return last;
}

bool PrintJobAccepted(const QString& printer, const QString& title, int lastIdBefore)
{
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        return false;
    const QByteArray wanted = title.toLocal8Bit();
    bool found = false;
    ForEachJob(printer, [&](const cups_job_t& job) {
        found = found || (job.id > lastIdBefore && job.title && wanted == job.title);
    });
    return found;
}
