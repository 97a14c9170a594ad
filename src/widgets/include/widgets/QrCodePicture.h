#pragma once

#include <QPixmap>
#include <QString>

// The QR code of `text`, black on white with a quiet zone of two modules, at
// most `side` pixels square: each module a whole number of pixels (at least
// one), so that a camera reads it sharply. A null pixmap when the text cannot
// be encoded.
QPixmap QrCodePicture(const QString& text, int side);
