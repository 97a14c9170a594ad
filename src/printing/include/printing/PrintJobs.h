#pragma once

#include <QString>

// What CUPS holds of the print jobs of one printer. Qt hands a finished
// sheet to CUPS without reporting whether CUPS took it; these ask CUPS.

// The highest job id CUPS knows for `printer`, finished jobs included; 0
// when there is none or CUPS cannot be asked.
int LastPrintJobId(const QString& printer);

// Whether CUPS accepted the job titled `title` that was just sent to
// `printer`: the last CUPS request of this thread (the sending of the job)
// succeeded, and CUPS lists a job of that title with an id above `lastIdBefore`.
bool PrintJobAccepted(const QString& printer, const QString& title, int lastIdBefore);
