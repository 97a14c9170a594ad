#pragma once

#include <QString>
#include <memory>

class QLocalServer;

// Keeps a second copy of the program on the same program folder from running.
// The claim is a local socket in the abstract namespace named after the
// folder: it touches no file and vanishes with the process that holds it,
// however that process ends.
class SingleInstance {
public:
    explicit SingleInstance(const QString& programFolder);
    ~SingleInstance();

    // True when this process now holds the folder; false when another running
    // copy does.
    bool Claim();

    static QString ServerName(const QString& programFolder);

private:
    QString Name;
    std::unique_ptr<QLocalServer> Server;
};
