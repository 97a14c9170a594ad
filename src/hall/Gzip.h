#pragma once

#include <string>
#include <string_view>

// `bytes` in the gzip format (zlib, the default level), as a browser takes it
// with "Content-Encoding: gzip".
std::string Gzip(std::string_view bytes);
