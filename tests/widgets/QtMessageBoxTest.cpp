#include "widgets/QtMessageBox.h"

#include "support/WidgetTestSupport.h"

#include <QTimer>
#include <gtest/gtest.h>

// The program ending while a question is open ends the box's loop without a
// button: the question must not read as confirmed.
TEST(QtMessageBox, AQuestionEndedWithoutAButtonIsAnsweredNoOrCancel)
{
    EnsureApplication();
    QtMessageBox messages;
    const auto endAtOnce = [&messages](MessageButtons buttons) {
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        return messages.Show(QStringLiteral("データを消去しますか？"), QString(), MessageIcon::Question, buttons);
    };
    EXPECT_EQ(endAtOnce(MessageButtons::OkCancel), MessageAnswer::Cancel);
    EXPECT_EQ(endAtOnce(MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(endAtOnce(MessageButtons::YesNoCancel), MessageAnswer::Cancel);
}
