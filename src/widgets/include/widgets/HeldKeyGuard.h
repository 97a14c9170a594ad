#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Keeps a held key to the window it went down on. Its auto-repeat reaches
// no other window, so a window or message box that opens while the key is
// held is neither closed nor acted on by it; the window under the key still
// gets every repeat (arrows held to step through entrants). Installed once on
// the application, before any window opens.
class HeldKeyGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> KeyWindow;
};
