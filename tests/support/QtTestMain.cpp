// Test programs whose code needs a running Qt application: waits that
// handle events, and the sound devices. Ends as the other test programs do.
#include "support/QuickExit.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    QuickExit(RUN_ALL_TESTS());
}
