#pragma once

#include "widgets/MessageBoxService.h"

#include <QPointer>
#include <QWidget>

// Message boxes on screen, modal to the active window, which is their owner
// (DialogOwner): on the operator's screen whatever screen the pointer is on.
// A box ended without a button (the program ending under it) answers No or
// Cancel, never OK.
class QtMessageBox : public MessageBoxService {
public:
    MessageAnswer Show(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons) override;

    // The menu, once there is one: the owner of a box that no window of the
    // operator's opens.
    void SetOperatorWindow(QWidget* window) { OperatorWindow = window; }

private:
    QPointer<QWidget> OperatorWindow;
};

// The name shown in the title of a message box that has no title of its own.
extern const char* const ProgramTitle;
