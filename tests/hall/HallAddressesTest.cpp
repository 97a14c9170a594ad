#include "hall/HallAddresses.h"

#include <gtest/gtest.h>

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
