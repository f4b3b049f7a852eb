#pragma once

#include <string>

namespace kaveta {

// The command line without the program path, as the host passed it (UTF-8).
std::string RawArgumentsWin32();

}  // namespace kaveta
