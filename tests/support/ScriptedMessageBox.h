#pragma once

#include "widgets/MessageBoxService.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

// Records every message shown and answers questions from a queue. A question
// nobody scripted fails the test and is answered No.
class ScriptedMessageBox : public MessageBoxService {
public:
    struct Shown {
        QString Text;
        QString Title;
        MessageIcon Icon;
        MessageButtons Buttons;
    };

    void Answer(MessageAnswer answer) { Answers.push_back(answer); }

    MessageAnswer Show(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons) override
    {
        Messages.push_back({text, title, icon, buttons});
        if (OnShow)
            OnShow(text);
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (Answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return MessageAnswer::No;
        }
        const MessageAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

    std::vector<QString> Texts() const
    {
        std::vector<QString> texts;
        for (const Shown& shown : Messages)
            texts.push_back(shown.Text);
        return texts;
    }

    std::vector<Shown> Messages;
    std::deque<MessageAnswer> Answers;
    // Runs while a message shows: looks at the program's state, or lets
    // events reach the windows behind it.
    std::function<void(const QString& text)> OnShow;
};
