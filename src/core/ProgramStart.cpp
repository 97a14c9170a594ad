#include "core/ProgramStart.h"

#include <QProcess>

bool StartDetachedProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}
