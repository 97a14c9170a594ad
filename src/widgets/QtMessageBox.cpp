#include "widgets/QtMessageBox.h"

#include "widgets/DialogOwner.h"

#include <QApplication>
#include <QMessageBox>

const char* const ProgramTitle = "ずべろ";

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageAnswer FromQtButton(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

}

MessageAnswer QtMessageBox::Show(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons)
{
    QMessageBox box(ToQtIcon(icon), title.isEmpty() ? QString::fromUtf8(ProgramTitle) : title, text, ToQtButtons(buttons),
                    DialogOwner(QApplication::activeWindow(), OperatorWindow));
    const int button = box.exec();
    // Ended without a button, the program ending under it: the safe answer,
    // never the OK of a question.
    if (!box.clickedButton())
        return buttons == MessageButtons::YesNo ? MessageAnswer::No
               : buttons == MessageButtons::Ok  ? MessageAnswer::Ok
                                                : MessageAnswer::Cancel;
    return FromQtButton(button);
}
