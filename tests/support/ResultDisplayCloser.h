#pragma once

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>

// Confirms with Enter, as an operator would, every modal dialog that comes
// on screen while it lives: the result display that a run opens.
class ResultDisplayCloser {
public:
    ResultDisplayCloser()
    {
        QObject::connect(&Poll, &QTimer::timeout, [] {
            auto* display = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (display && display->isVisible()) {
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QCoreApplication::sendEvent(display, &enter);
            }
        });
        Poll.start(100);
    }

private:
    QTimer Poll;
};
