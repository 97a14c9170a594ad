#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the operator is told about a settings file that cannot be used, one
// line per file, so that a hand edit can be found and mended.

QString MissingFileFault(const QString& fileName);
QString UnreadableFileFault(const QString& fileName);
// Line `line` (1-based) of the file's `bytes` holds a value that cannot be
// used, or is missing; the value is quoted as found, shortened when long.
QString LineFault(const QString& fileName, const QByteArray& bytes, qsizetype line);
