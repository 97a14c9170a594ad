// The entry of the test programs. After the results are written the process
// ends at once: Qt Multimedia's PulseAudio thread can trip a libpulse
// assertion while the library tears itself down at exit, which would turn a
// passed run into a crash. Nothing of ours runs at exit.
#include "support/QuickExit.h"

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    QuickExit(RUN_ALL_TESTS());
}
