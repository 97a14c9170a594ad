#include "widgets/ProgramCursor.h"

#include "core/ProgramFolder.h"

#include <QPixmap>

QCursor ProgramCursor(const ProgramFolder& folder, const QString& fileName)
{
    const QPixmap picture(folder.FilePath(fileName));
    if (picture.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(picture, picture.width() / 2, picture.height() / 2);
}
