#pragma once

class ContestState;

// The hall page's options in "ZUVELO.INI": [Hall] Enabled (true/false) and
// [Hall] Port. A missing or damaged file, or a port outside 1 to 65535,
// reads as the defaults: off, port 8080.
struct HallOptions {
    static constexpr int DefaultPort = 8080;
    bool Enabled = false;
    int Port = DefaultPort;
};

HallOptions LoadHallOptions(const ContestState& context);

// Writes both options, keeping the file's other options; a damaged file is
// replaced. False when the file cannot be written.
bool SaveHallOptions(const ContestState& context, const HallOptions& options);
