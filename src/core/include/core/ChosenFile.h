#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reads a file the operator chose in a file dialog. Only a regular file is
// read, and only when it holds at most `limit` bytes: a named pipe, a device
// or a socket would keep the window waiting for bytes that never come, and a
// huge file would freeze it. Nothing when the file is no regular file, is
// larger, or cannot be read.
std::optional<QByteArray> ReadChosenFile(const QString& path, qint64 limit);
