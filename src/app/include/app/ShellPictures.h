#pragma once

#include <QPixmap>
#include <QString>

class ContestState;

// Pictures delivered beside the program (made at build time by
// tools/MakeShellPictures).
inline const QString IconPictureFile = QStringLiteral("zuvelo.png");
inline const QString MenuPictureFile = QStringLiteral("menu.png");

// The picture of that name in the program folder; a null pixmap when missing.
QPixmap ProgramPicture(const ContestState& context, const QString& name);
