#pragma once

#include <QDateTime>
#include <QString>

// A file that must not be lost is kept aside under its name with the time
// appended: "xx0007_20261207-142005.wav", "KANKYOU3_20261207-142005.REC", with
// "-1", "-2" ... when that name is taken. The program itself never names a
// file so.

// The first free such name beside `path`; empty when a hundred are taken.
QString KeptAsideName(const QString& path, const QDateTime& now);

// Renames the file aside. True when there is no file at `path` or it was
// renamed.
bool MoveAside(const QString& path, const QDateTime& now);

// Copies the file aside and leaves it in place, so that a crash at any
// moment leaves the file where it was. True when there is no file at `path`
// or it was copied.
bool CopyAside(const QString& path, const QDateTime& now);
