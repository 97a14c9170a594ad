#pragma once

#include <QString>
#include <QStringList>

class ContestState;

// The hall page's options in "ZUVELO.INI": [Hall] Enabled (true/false),
// [Hall] Port and [Hall] Url, the address the audience is shown. A missing
// or damaged file, or a port outside 1 to 65535, reads as the defaults: off,
// port 8080, the machine's first address.
struct HallOptions {
    static constexpr int DefaultPort = 8080;
    bool Enabled = false;
    int Port = DefaultPort;
    QString Url;
};

// The address shown to the audience among `urls` (HallUrls): the chosen one
// while the machine still has it, else the first; empty when there is none.
QString ShownHallUrl(const QStringList& urls, const QString& chosen);

HallOptions LoadHallOptions(const ContestState& context);

// Writes both options, keeping the file's other options; a damaged file is
// replaced. False when the file cannot be written.
bool SaveHallOptions(const ContestState& context, const HallOptions& options);
