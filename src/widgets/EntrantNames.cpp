#include "widgets/EntrantNames.h"

#include "core/ProgramOptions.h"
#include "widgets/ContestSession.h"
#include "widgets/OperatorMessages.h"

#include <QFileInfo>

namespace {

// The same damage in the same file is named once.
QString FaultKey(const RosterRead& read)
{
    const QFileInfo file(read.File);
    return QStringLiteral("%1|%2|%3|%4")
        .arg(read.File)
        .arg(read.Line)
        .arg(file.lastModified().toMSecsSinceEpoch())
        .arg(file.size());
}

}

EntrantRoster ReadEntrantNames(ContestSession& context)
{
    RosterRead read = ReadEntrantRoster(context.Folder);
    if (read.State != RosterRead::Outcome::Damaged)
        return std::move(read.Roster);
    const QString key = FaultKey(read);
    if (key != context.NamedRosterFault) {
        context.NamedRosterFault = key;
        Report(context.Messages, RosterDamaged{read.File, read.Line});
    }
    return {};
}

EntrantRoster ReadHallNames(ContestSession& context)
{
    if (!LoadProgramOptions(context).ShowNames)
        return {};
    return ReadEntrantNames(context);
}

QString FittedNameSuffix(const QString& name, const QFontMetricsF& metrics, double room)
{
    const QString space = QStringLiteral("　");
    if (name.isEmpty())
        return {};
    const QString shown = metrics.elidedText(name, Qt::ElideRight, room - metrics.horizontalAdvance(space));
    return shown.isEmpty() ? QString() : space + shown;
}
