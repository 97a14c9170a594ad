#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at `path` with `bytes` through a temporary file in the
// same folder that is renamed over the old one only when completely written:
// a crash or power cut leaves the old file or the new one, never a broken one.
// False when the file could not be written; the old file is then untouched.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);

// Makes `destination` a copy of `source`, replacing it the same way; the old
// file stays whole when the copy fails.
bool CopyFileReplacing(const QString& source, const QString& destination);
