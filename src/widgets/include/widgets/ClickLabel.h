#pragma once

#include <QLabel>
#include <QMouseEvent>

// A label that announces a press of any mouse button; the press goes no
// further, whether anyone listens or not. A double click is one press.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void pressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        emit pressed(event->button());
        event->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
};
