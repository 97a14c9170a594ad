#include "widgets/HeldKeyGuard.h"

#include "support/WidgetTestSupport.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

void Key(QWidget& window, QEvent::Type type, int key, bool autoRepeat)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(&window, &event);
}

// Keys as the window system sends a held one: a press, then pairs of
// repeated release and press.
void Hold(QWidget& window, int key, int repeats)
{
    for (int n = 0; n < repeats; ++n) {
        Key(window, QEvent::KeyRelease, key, true);
        Key(window, QEvent::KeyPress, key, true);
    }
}

class PressCounter : public QWidget {
public:
    int Presses = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++Presses; }
};

class HeldKeyGuardTest : public testing::Test {
protected:
    void SetUp() override { qApp->installEventFilter(&Guard); }

    // The application comes before the window.
    bool Application = (EnsureApplication(), true);
    HeldKeyGuard Guard;
    PressCounter Under;
};

}

TEST_F(HeldKeyGuardTest, AHeldKeyNeverClosesAMessageBoxThatOpenedUnderIt)
{
    Key(Under, QEvent::KeyPress, Qt::Key_Return, false);
    QMessageBox box(QMessageBox::Critical, QString(), QStringLiteral("ﾛｸﾞﾌｧｨﾙ書込時にｴﾗｰがでました！"), QMessageBox::Ok);
    box.open();
    Hold(box, Qt::Key_Return, 5);
    EXPECT_TRUE(box.isVisible());
    Key(box, QEvent::KeyPress, Qt::Key_Return, false);
    EXPECT_FALSE(box.isVisible()) << "a fresh press closes it";
}

TEST_F(HeldKeyGuardTest, TheWindowUnderAHeldKeyGetsEveryRepeat)
{
    Key(Under, QEvent::KeyPress, Qt::Key_Right, false);
    Hold(Under, Qt::Key_Right, 3);
    EXPECT_EQ(Under.Presses, 4);
}
