#include "hall/HallOptions.h"

#include "core/ProgramOptions.h"
#include "hall/HallAddresses.h"
#include "support/StoreFolder.h"

#include <gtest/gtest.h>

TEST(HallOptions, MissingOrUnusableValuesReadAsOffOn8080AndSavingKeepsTheOtherOptions)
{
    StoreFolder folder;
    EXPECT_FALSE(LoadHallOptions(folder.Context).Enabled);
    folder.Write(QStringLiteral("ZUVELO.INI"), "[Hall]\nEnabled=yes\nPort=70000\n");
    EXPECT_FALSE(LoadHallOptions(folder.Context).Enabled);
    EXPECT_EQ(LoadHallOptions(folder.Context).Port, 8080);

    ProgramOptions options;
    options.AudioInput = QStringLiteral("mic");
    options.AudienceScreen.Name = QStringLiteral("HDMI-1");
    ASSERT_TRUE(SaveProgramOptions(folder.Context, options));
    ASSERT_TRUE(SaveHallOptions(folder.Context, {true, 8123, QStringLiteral("http://10.0.0.2:8123/")}));
    const HallOptions hall = LoadHallOptions(folder.Context);
    EXPECT_TRUE(hall.Enabled);
    EXPECT_EQ(hall.Port, 8123);
    EXPECT_EQ(LoadProgramOptions(folder.Context).AudienceScreen.Name, QStringLiteral("HDMI-1"));
}

TEST(HallAddresses, PhonesAreOfferedIpv4FirstLoopbackLastAndTheChosenOneWhileItExists)
{
    const QList<QHostAddress> machine = {QHostAddress::LocalHost, QHostAddress("fe80::1"), QHostAddress("2001:db8::5"),
                                         QHostAddress("192.168.1.5"), QHostAddress::LocalHostIPv6, QHostAddress("192.168.1.5")};
    QStringList urls;
    for (const QHostAddress& address : HallAddressOrder(machine))
        urls.append(HallUrl(address, 8080));
    EXPECT_EQ(urls, QStringList({"http://192.168.1.5:8080/", "http://[2001:db8::5]:8080/", "http://127.0.0.1:8080/",
                                 "http://[::1]:8080/"}));
    EXPECT_EQ(ShownHallUrl(urls, QStringLiteral("http://10.0.0.3:8080/")), urls[0]) << "a chosen address the machine lost";
    EXPECT_EQ(ShownHallUrl(urls, urls[1]), urls[1]);
}
