#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <initializer_list>

// When a write reaches the disk itself. `Later` leaves the bytes to the
// system's own flushing (a crash of the program still keeps them) for a
// caller that calls SyncFile before anything depends on them surviving a
// power cut.
enum class DiskFlush { Now, Later };

// Replaces the file at `path` with `bytes` through a temporary file in the
// same folder that is renamed over the old one only when completely written:
// a crash or power cut leaves the old file or the new one, never a broken one.
// False when the file could not be written; the old file is then untouched.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);
// The same for a file made of `parts` one after the other, which are not
// joined in memory first (a recording's header and its samples).
bool WriteFileAtomically(const QString& path, std::initializer_list<QByteArrayView> parts, DiskFlush flush = DiskFlush::Now);

// Puts a file written with DiskFlush::Later, and its name, on the disk. True
// also when there is no file at `path`: nothing is then waiting to be flushed.
bool SyncFile(const QString& path);

// Removes from `folder` the temporary files that writes cut short by a crash
// left behind ("KANKYOU1.REC.zuvelo-a1B2c3"); nothing else.
void RemoveLeftoverTemporaries(const QString& folder);

// Makes `destination` a copy of `source`, replacing it the same way; the old
// file stays whole when the copy fails.
bool CopyFileReplacing(const QString& source, const QString& destination);
