#include "QrCode.h"

#include <qrencode.h>

#include <memory>

QrCode EncodeQrCode(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> encoded(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    QrCode code;
    if (!encoded)
        return code;
    code.Size = encoded->width;
    code.Dark.resize(size_t(code.Size) * size_t(code.Size));
    for (size_t n = 0; n < code.Dark.size(); ++n)
        code.Dark[n] = (encoded->data[n] & 1) != 0;
    return code;
}
