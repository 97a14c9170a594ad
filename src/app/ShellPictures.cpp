#include "app/ShellPictures.h"

#include "store/ContestState.h"

QPixmap ProgramPicture(const ContestState& context, const QString& name)
{
    return QPixmap(context.Folder.FilePath(name));
}
