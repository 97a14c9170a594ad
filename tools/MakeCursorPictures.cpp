// Draws the mouse pointers of the measurement screen's band into the folder
// given as the only argument: "go.ico" (start a measurement) and "next.ico"
// (go on to the result).
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int Size = 32;

QImage Disc(const QColor& color)
{
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(color);
    painter.drawEllipse(QRectF(1.5, 1.5, Size - 3, Size - 3));
    return image;
}

// A green disc with a "play" triangle.
QImage GoPicture()
{
    QImage image = Disc(QColor(0x1E, 0xA0, 0x3C));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const QPointF triangle[] = {{12, 8}, {12, 24}, {25, 16}};
    painter.drawPolygon(triangle, 3);
    return image;
}

// A blue disc with a double chevron.
QImage NextPicture()
{
    QImage image = Disc(QColor(0x1E, 0x5A, 0xC8));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (qreal x : {9.0, 16.0}) {
        QPainterPath chevron;
        chevron.moveTo(x, 9);
        chevron.lineTo(x + 7, 16);
        chevron.lineTo(x, 23);
        painter.drawPath(chevron);
    }
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeCursorPictures <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const std::pair<const char*, QImage> pictures[] = {{"go.ico", GoPicture()}, {"next.ico", NextPicture()}};
    for (const auto& [name, picture] : pictures) {
        QImageWriter writer(folder + QLatin1Char('/') + QLatin1String(name), "ico");
        if (!writer.write(picture)) {
            std::fprintf(stderr, "cannot write %s: %s\n", name, qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
