#include "widgets/HeldKeyGuard.h"

#include "support/WidgetTestSupport.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <gtest/gtest.h>

TEST(HeldKeyGuardTest, AHeldKeyNeverClosesAMessageBoxThatOpenedUnderItOnlyAFreshPressDoes)
{
    EnsureApplication();
    HeldKeyGuard guard;
    qApp->installEventFilter(&guard);
    const auto key = [](QWidget& window, QEvent::Type type, bool autoRepeat) {
        QKeyEvent event(type, Qt::Key_Return, Qt::NoModifier, QString(), autoRepeat);
        QCoreApplication::sendEvent(&window, &event);
    };
    QWidget under;
    key(under, QEvent::KeyPress, false);
    QMessageBox box(QMessageBox::Critical, QString(), QStringLiteral("ﾛｸﾞﾌｧｨﾙ書込時にｴﾗｰがでました！"), QMessageBox::Ok);
    box.open();
    for (int repeat = 0; repeat < 3; ++repeat) {
        key(box, QEvent::KeyRelease, true);
        key(box, QEvent::KeyPress, true);
    }
    EXPECT_TRUE(box.isVisible());
    key(box, QEvent::KeyPress, false);
    EXPECT_FALSE(box.isVisible());
}
