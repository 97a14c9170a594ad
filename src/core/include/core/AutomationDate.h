#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

// The automation date of the stored records: days since 30 December 1899 with
// the time of day as the fraction, in local time.
double ToAutomationDate(const QDateTime& localTime);
// Rounded to the whole second, as the records are shown to the second.
QDateTime FromAutomationDate(double days);

// "yyyy/mm/dd hh:mm:ss", 24-hour.
QString FormatDateTime(const QDateTime& time);
// "hh:mm:ss", 24-hour.
QString FormatClock(const QTime& time);
