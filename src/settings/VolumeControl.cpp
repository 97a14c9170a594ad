#include "settings/VolumeControl.h"

#include "widgets/ContestSession.h"

#include <QProcess>

void OpenVolumeControl(ContestSession& context, const QString& commandLine, const ProgramStart& start)
{
    QStringList arguments = QProcess::splitCommand(commandLine);
    const QString program = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (!program.isEmpty() && start(program, arguments))
        return;
    context.Messages.Inform(QStringLiteral("ﾎﾞﾘｭｰﾑの設定ができません！\nｺﾝﾄﾛｰﾙﾊﾟﾈﾙのｻｳﾝﾄﾞ、ｵｰﾃﾞｨｵﾃﾞﾊﾞｲｽで\n"
                                           "ｼｽﾃﾑの音量を調節するで\n詳細設定で調節してください。"),
                            MessageIcon::Warning);
}
