#include "core/ScreenIdentity.h"

#include <gtest/gtest.h>

TEST(ScreenIdentity, AChosenScreenIsFoundByItsNameElseAsTheSameMonitorUnderAnotherSessionsName)
{
    const ScreenIdentity laptop{QStringLiteral("eDP-1"), QStringLiteral("BOE"), QStringLiteral("0x0747"), {}};
    // XWayland names the projector otherwise and knows its serial number.
    const QList<ScreenIdentity> xwayland{{QStringLiteral("XWAYLAND0"), laptop.Manufacturer, laptop.Model, {}},
                                         {QStringLiteral("XWAYLAND1"), QStringLiteral("EPSON"), QStringLiteral("EB-X51"), QStringLiteral("X5KH1234")}};
    const ScreenIdentity chosenUnderWayland{QStringLiteral("HDMI-A-1"), QStringLiteral("EPSON"), QStringLiteral("EB-X51"), {}};
    EXPECT_EQ(MatchingScreen(xwayland, chosenUnderWayland), 1);
    EXPECT_EQ(MatchingScreen(xwayland, {QStringLiteral("XWAYLAND0"), QStringLiteral("EPSON"), QStringLiteral("EB-X51"), {}}), 0)
        << "the name goes first";

    ScreenIdentity anotherProjector = xwayland[1];
    anotherProjector.Name = QStringLiteral("HDMI-2");
    anotherProjector.SerialNumber = QStringLiteral("X5KH9999");
    EXPECT_EQ(MatchingScreen(xwayland, anotherProjector), -1) << "another monitor of the same model";
    EXPECT_EQ(MatchingScreen(xwayland, {QStringLiteral("HDMI-A-1"), {}, {}, {}}), -1) << "a name alone, stored before";
    EXPECT_EQ(MatchingScreen(xwayland, {}), -1) << "the menu's screen";
}
