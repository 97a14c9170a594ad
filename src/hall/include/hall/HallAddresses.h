#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>

// The addresses at which phones reach the page: IPv4 first, then IPv6
// (link-local ones left out, a phone could not use them without a zone),
// loopback last; each once.
QList<QHostAddress> HallAddressOrder(const QList<QHostAddress>& addresses);

// "http://192.168.1.5:8080/" for each address of this machine in that order.
QStringList HallUrls(int port);
QString HallUrl(const QHostAddress& address, int port);

// The address shown to the audience among `urls` (HallUrls): the chosen one
// while the machine still has it, else the first; empty when there is none.
QString ShownHallUrl(const QStringList& urls, const QString& chosen);
