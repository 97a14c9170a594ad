#pragma once

#include "widgets/FullScreenWindow.h"

class QLabel;

// "会場QR表示": the hall page's QR code and address, full screen on the
// audience screen, until a key or a click.
class HallCodeWindow : public FullScreenWindow {
    Q_OBJECT
public:
    HallCodeWindow(const ContestState& context, QWidget* parent = nullptr);

    void SetUrl(const QString& url);

protected:
    void LoadOnOpen() override;
    void LayOutForScreen() override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString Url;
    QLabel* heading = nullptr;
    QLabel* code = nullptr;
    QLabel* address = nullptr;
};
