#include "app/ShellPictures.h"

#include "core/ContestState.h"

QPixmap ProgramPicture(const ContestState& context, const QString& name)
{
    return QPixmap(context.Folder.FilePath(name));
}
