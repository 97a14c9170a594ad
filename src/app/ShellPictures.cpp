#include "app/ShellPictures.h"

#include "app/AppContext.h"

QPixmap ProgramPicture(const AppContext& context, const QString& name)
{
    return QPixmap(context.Folder.FilePath(name));
}
