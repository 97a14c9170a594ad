#include "widgets/ContestSession.h"

ContestSession::ContestSession(const QString& programFolder, MessageBoxService& messages)
    : ContestState(programFolder), Messages(messages)
{
}

void ContestSession::PublishSettings()
{
    emit settingsPublished(Settings);
}

void ContestSession::EndProgram()
{
    EndIsRequested = true;
    emit endRequested();
}
