#pragma once

#include "widgets/MessageBoxService.h"

class QWidget;

// Message boxes on screen, modal to the active window. A box ended without a
// button (the program ending under it) answers No or Cancel, never OK.
class QtMessageBox : public MessageBoxService {
public:
    MessageAnswer Show(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons) override;
};

// The name shown in the title of a message box that has no title of its own.
extern const char* const ProgramTitle;
