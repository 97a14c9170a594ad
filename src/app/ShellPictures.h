#pragma once

#include <QPixmap>
#include <QString>

class AppContext;

// Pictures delivered beside the program (made at build time by
// tools/MakeShellPictures).
inline const QString IconPictureFile = QStringLiteral("zuvelo.png");
inline const QString MenuPictureFile = QStringLiteral("menu.png");

// The picture of that name in the program folder; a null pixmap when missing.
QPixmap ProgramPicture(const AppContext& context, const QString& name);
