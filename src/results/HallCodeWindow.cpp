#include "results/HallCodeWindow.h"

#include "widgets/QrCodePicture.h"

#include <QLabel>

HallCodeWindow::HallCodeWindow(const ContestState& context, QWidget* parent) : FullScreenWindow(context, parent)
{
    setWindowTitle(QStringLiteral("ずべろ　会場QR"));
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("HallCodeWindow { background: white; } QLabel { color: black; }"));
    heading = new QLabel(QStringLiteral("スマートフォンで順位が見られます"), this);
    heading->setObjectName(QStringLiteral("hallHeading"));
    code = new QLabel(this);
    code->setObjectName(QStringLiteral("hallCode"));
    address = new QLabel(this);
    address->setObjectName(QStringLiteral("hallAddress"));
    for (QLabel* label : {heading, code, address}) {
        label->setAlignment(Qt::AlignCenter);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void HallCodeWindow::SetUrl(const QString& url)
{
    Url = url;
}

void HallCodeWindow::LoadOnOpen()
{
    LayOutForScreen();
}

void HallCodeWindow::LayOutForScreen()
{
    const int w = width();
    const int h = height();
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setBold(true);
    font.setPixelSize(std::max(h / 16, 8));
    heading->setFont(font);
    address->setFont(font);
    heading->setGeometry(0, h / 40, w, h / 10);
    const int side = std::min(w, h * 7 / 10);
    code->setPixmap(QrCodePicture(Url, side));
    code->setGeometry(0, h / 8, w, side);
    address->setText(Url);
    address->setGeometry(0, h / 8 + side, w, h - h / 8 - side);
}

void HallCodeWindow::keyPressEvent(QKeyEvent*)
{
    close();
}

void HallCodeWindow::mousePressEvent(QMouseEvent*)
{
    close();
}
