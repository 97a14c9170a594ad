#include "hall/HallAddresses.h"

#include <QNetworkInterface>
#include <algorithm>

namespace {

int OrderOf(const QHostAddress& address)
{
    if (address.isLoopback())
        return 2;
    return address.protocol() == QAbstractSocket::IPv4Protocol ? 0 : 1;
}

}

QList<QHostAddress> HallAddressOrder(const QList<QHostAddress>& addresses)
{
    QList<QHostAddress> usable;
    for (const QHostAddress& address : addresses) {
        if (address.isLinkLocal() || address.isNull() || usable.contains(address))
            continue;
        usable.append(address);
    }
    std::stable_sort(usable.begin(), usable.end(),
                     [](const QHostAddress& a, const QHostAddress& b) { return OrderOf(a) < OrderOf(b); });
    return usable;
}

QString HallUrl(const QHostAddress& address, int port)
{
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QLatin1Char('[') + address.toString() + QLatin1Char(']')
                             : address.toString();
    return QStringLiteral("http://%1:%2/").arg(host).arg(port);
}

QStringList HallUrls(int port)
{
    QStringList urls;
    for (const QHostAddress& address : HallAddressOrder(QNetworkInterface::allAddresses()))
        urls.append(HallUrl(address, port));
    return urls;
}

QString ShownHallUrl(const QStringList& urls, const QString& chosen)
{
    if (urls.contains(chosen))
        return chosen;
    return urls.isEmpty() ? QString() : urls.first();
}
