#include "core/ScreenIdentity.h"

#include <gtest/gtest.h>

TEST(ScreenIdentity, AChosenScreenIsFoundByItsNameElseAsTheSameMonitorUnderAnotherSessionsName)
{
    // XWayland names the projector otherwise and knows its serial number.
    const QList<ScreenIdentity> xwayland{{QStringLiteral("XWAYLAND0"), QStringLiteral("BOE"), QStringLiteral("0x0747"), {}, {}},
                                         {QStringLiteral("XWAYLAND1"), QStringLiteral("EPSON"), QStringLiteral("EB-X51"), QStringLiteral("X5KH1234"), {}}};
    ScreenIdentity chosen{QStringLiteral("HDMI-A-1"), QStringLiteral("EPSON"), QStringLiteral("EB-X51"), {}, {}};
    EXPECT_EQ(MatchingScreen(xwayland, chosen).Index, 1);
    chosen.Name = QStringLiteral("XWAYLAND0");
    EXPECT_EQ(MatchingScreen(xwayland, chosen).Index, 0) << "the name goes first";
    chosen = {QStringLiteral("HDMI-2"), QStringLiteral("EPSON"), QStringLiteral("EB-X51"), QStringLiteral("X5KH9999"), {}};
    EXPECT_EQ(MatchingScreen(xwayland, chosen).Index, -1) << "another monitor of the same model";
    EXPECT_EQ(MatchingScreen(xwayland, {QStringLiteral("HDMI-A-1"), {}, {}, {}, {}}).Index, -1) << "a name alone, as stored before";
}

TEST(ScreenIdentity, WhereNameAndMonitorFailTheScreenAtTheSamePlaceWithTheSameSizeIsChosen)
{
    const QRect left(0, 0, 1280, 800), right(1280, 0, 1024, 768);
    // XWayland reports no monitor at all.
    const QList<ScreenIdentity> xwayland{{QStringLiteral("XWAYLAND0"), {}, {}, {}, left},
                                         {QStringLiteral("XWAYLAND1"), {}, {}, {}, right}};
    const ScreenIdentity wayland{QStringLiteral("HDMI-A-1"), QStringLiteral("EPSON"), QStringLiteral("EB-X51"), {}, right};
    struct Case {
        const char* what;
        QList<ScreenIdentity> connected;
        ScreenIdentity chosen;
        qsizetype index;
        ScreenMatchedBy by;
    } cases[] = {
        {"from Wayland to XWayland", xwayland, wayland, 1, ScreenMatchedBy::Place},
        {"from XWayland to Wayland", {{QStringLiteral("eDP-1"), QStringLiteral("BOE"), QStringLiteral("0x0747"), {}, left}, wayland},
         xwayland[1], 1, ScreenMatchedBy::Place},
        {"the name before the place", xwayland, {QStringLiteral("XWAYLAND0"), {}, {}, {}, right}, 0, ScreenMatchedBy::Name},
        {"the monitor before the place",
         {{QStringLiteral("DP-1"), QStringLiteral("EPSON"), QStringLiteral("EB-X51"), {}, left}, xwayland[1]}, wayland, 0,
         ScreenMatchedBy::Monitor},
        {"another monitor at the place", {{QStringLiteral("DP-2"), QStringLiteral("NEC"), QStringLiteral("NP-V302"), {}, right}},
         wayland, -1, ScreenMatchedBy::Nothing},
        {"the same place at another size", {{QStringLiteral("XWAYLAND1"), {}, {}, {}, QRect(1280, 0, 1920, 1080)}}, wayland, -1,
         ScreenMatchedBy::Nothing},
        {"no place kept", xwayland, {QStringLiteral("HDMI-A-1"), QStringLiteral("EPSON"), QStringLiteral("EB-X51"), {}, {}}, -1,
         ScreenMatchedBy::Nothing},
    };
    for (const Case& c : cases) {
        const ScreenMatch match = MatchingScreen(c.connected, c.chosen);
        EXPECT_EQ(match.Index, c.index) << c.what;
        EXPECT_EQ(match.By, c.by) << c.what;
    }
}
