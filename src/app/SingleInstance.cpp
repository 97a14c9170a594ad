#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>

SingleInstance::SingleInstance(const QString& programFolder) : Name(ServerName(programFolder)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Claim()
{
    if (Server)
        return true;
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    // Binding is atomic: of two copies starting together exactly one wins.
    if (!server->listen(Name)) {
        if (server->serverError() == QAbstractSocket::AddressInUseError)
            return false;
        // Without a socket the check cannot be made; rather let the operator work.
        qWarning("single-instance check unavailable: %s", qPrintable(server->errorString()));
        return true;
    }
    Server = std::move(server);
    return true;
}

QString SingleInstance::ServerName(const QString& programFolder)
{
    // Hashed so that any folder gives a short name of safe characters.
    const QString canonical = QDir(programFolder).canonicalPath();
    const QByteArray folder = (canonical.isEmpty() ? QDir(programFolder).absolutePath() : canonical).toUtf8();
    return QStringLiteral("zuvelo-") +
           QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(32));
}
