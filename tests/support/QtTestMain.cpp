// Test programs whose code needs a running Qt application: waits that
// handle events, and the sound devices.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
