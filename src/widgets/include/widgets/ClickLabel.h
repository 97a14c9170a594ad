#pragma once

#include <QLabel>
#include <QMouseEvent>
#include <functional>

// A label that reports a press of any mouse button to its handler.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;

    std::function<void(Qt::MouseButton)> MouseDown;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (MouseDown)
            MouseDown(event->button());
        event->accept();
    }
};
