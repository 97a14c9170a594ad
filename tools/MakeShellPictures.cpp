// Draws the program icon "zuvelo.png" and the main menu's picture "menu.png"
// into the folder given as the first argument. With an icon folder and a name
// after it, also the desktop's icons of the program in the sizes of the
// hicolor theme, as <icon folder>/<n>x<n>/apps/<name>.png.
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

// A megaphone pointing right, its mouth at `mouth`, `size` long.
void DrawMegaphone(QPainter& painter, QPointF mouth, qreal size, const QColor& body, const QColor& rim)
{
    const qreal back = mouth.x() - size;
    QPainterPath cone;
    cone.moveTo(back, mouth.y() - size * 0.14);
    cone.lineTo(mouth.x(), mouth.y() - size * 0.42);
    cone.lineTo(mouth.x(), mouth.y() + size * 0.42);
    cone.lineTo(back, mouth.y() + size * 0.14);
    cone.closeSubpath();
    painter.setPen(QPen(rim, size * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(body);
    painter.drawPath(cone);
    painter.drawRoundedRect(QRectF(back - size * 0.12, mouth.y() - size * 0.16, size * 0.16, size * 0.32), size * 0.04,
                            size * 0.04);
    painter.drawRoundedRect(QRectF(back + size * 0.18, mouth.y() + size * 0.2, size * 0.12, size * 0.3), size * 0.03,
                            size * 0.03);
}

// Sound waves spreading from `origin` to the right.
void DrawWaves(QPainter& painter, QPointF origin, qreal first, qreal step, int count, const QColor& color, qreal width)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const qreal radius = first + step * i;
        painter.drawArc(QRectF(origin.x() - radius, origin.y() - radius, radius * 2, radius * 2), -45 * 16, 90 * 16);
    }
}

// Drawn on a 256-pixel grid and scaled, so that every size is drawn sharp.
QImage Icon(int size = 256)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    QLinearGradient background(0, 0, 0, 256);
    background.setColorAt(0, QColor(255, 150, 40));
    background.setColorAt(1, QColor(210, 40, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);
    DrawMegaphone(painter, QPointF(150, 128), 110, Qt::white, QColor(90, 20, 10));
    DrawWaves(painter, QPointF(150, 128), 30, 26, 3, Qt::white, 12);
    return image;
}

QImage MenuPicture()
{
    QImage image(320, 180, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 180);
    sky.setColorAt(0, QColor(40, 70, 160));
    sky.setColorAt(1, QColor(150, 190, 240));
    painter.fillRect(image.rect(), sky);
    painter.fillRect(QRect(0, 150, 320, 30), QColor(120, 80, 40));
    painter.fillRect(QRect(0, 150, 320, 4), QColor(90, 55, 25));
    DrawMegaphone(painter, QPointF(120, 88), 90, QColor(255, 210, 60), QColor(60, 40, 10));
    DrawWaves(painter, QPointF(120, 88), 24, 20, 3, Qt::white, 6);
    // A level meter rising to the right, green through yellow to red.
    const int bars = 8;
    for (int i = 0; i < bars; ++i) {
        const int height = 16 + i * 15;
        const QColor color = QColor::fromHsv(120 - i * 120 / (bars - 1), 220, 240);
        painter.setPen(QPen(QColor(20, 20, 20), 1));
        painter.setBrush(color);
        painter.drawRect(QRectF(200 + i * 14, 146 - height, 10, height));
    }
    return image;
}

bool Save(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool SaveThemeIcons(const QString& iconFolder, const QString& name)
{
    for (const int size : {48, 64, 128, 256}) {
        const QString folder = iconFolder + QStringLiteral("/%1x%1/apps").arg(size);
        QDir().mkpath(folder);
        if (!Save(Icon(size), folder + QLatin1Char('/') + name + QStringLiteral(".png")))
            return false;
    }
    return true;
}

}

int main(int argc, char* argv[])
{
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: MakeShellPictures <folder> [<icon folder> <name>]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool saved = Save(Icon(), folder + QStringLiteral("/zuvelo.png")) &&
                 Save(MenuPicture(), folder + QStringLiteral("/menu.png"));
    if (argc == 4)
        saved = saved && SaveThemeIcons(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    return saved ? 0 : 1;
}
