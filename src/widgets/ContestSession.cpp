#include "widgets/ContestSession.h"

ContestSession::ContestSession(const QString& programFolder, MessageBoxService& messages)
    : ContestState(programFolder), Messages(messages)
{
}

void ContestSession::EndProgram()
{
    EndIsRequested = true;
    emit endRequested();
}
