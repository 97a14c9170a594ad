#pragma once

#include <QString>

enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Every message and question the operator sees goes through this service. An
// empty title means "no title of its own": the program's name stands there.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MessageAnswer Show(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons) = 0;

    void Inform(const QString& text, MessageIcon icon, const QString& title = {})
    {
        Show(text, title, icon, MessageButtons::Ok);
    }
};
