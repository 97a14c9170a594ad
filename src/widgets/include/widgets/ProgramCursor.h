#pragma once

#include <QCursor>

class ProgramFolder;

// The mouse pointer drawn in a picture file of the program folder ("go.ico");
// the standard arrow when the file is missing or unreadable.
QCursor ProgramCursor(const ProgramFolder& folder, const QString& fileName);
