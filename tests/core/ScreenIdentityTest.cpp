#include "core/ScreenIdentity.h"

#include <gtest/gtest.h>

TEST(ScreenIdentity, AChosenScreenIsFoundByItsNameElseAsTheSameMonitorUnderAnotherSessionsName)
{
    // XWayland names the projector otherwise and knows its serial number.
    const QList<ScreenIdentity> xwayland{{QStringLiteral("XWAYLAND0"), QStringLiteral("BOE"), QStringLiteral("0x0747"), {}},
                                         {QStringLiteral("XWAYLAND1"), QStringLiteral("EPSON"), QStringLiteral("EB-X51"), QStringLiteral("X5KH1234")}};
    ScreenIdentity chosen{QStringLiteral("HDMI-A-1"), QStringLiteral("EPSON"), QStringLiteral("EB-X51"), {}};
    EXPECT_EQ(MatchingScreen(xwayland, chosen), 1);
    chosen.Name = QStringLiteral("XWAYLAND0");
    EXPECT_EQ(MatchingScreen(xwayland, chosen), 0) << "the name goes first";
    chosen = {QStringLiteral("HDMI-2"), QStringLiteral("EPSON"), QStringLiteral("EB-X51"), QStringLiteral("X5KH9999")};
    EXPECT_EQ(MatchingScreen(xwayland, chosen), -1) << "another monitor of the same model";
    EXPECT_EQ(MatchingScreen(xwayland, {QStringLiteral("HDMI-A-1"), {}, {}, {}}), -1) << "a name alone, as stored before";
}
