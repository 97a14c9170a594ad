#include "widgets/QrCodePicture.h"

#include "QrCode.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

QPixmap QrCodePicture(const QString& text, int side)
{
    constexpr int QuietModules = 2;
    const QrCode code = EncodeQrCode(text);
    if (code.Size == 0)
        return {};
    const int modules = code.Size + 2 * QuietModules;
    const int pixels = std::max(side / modules, 1);
    QImage image(modules * pixels, modules * pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code.Size; ++y) {
        for (int x = 0; x < code.Size; ++x) {
            if (code.IsDark(x, y))
                painter.fillRect((x + QuietModules) * pixels, (y + QuietModules) * pixels, pixels, pixels, Qt::black);
        }
    }
    painter.end();
    return QPixmap::fromImage(image);
}
