// The console front end: the load sequence, then the OK command at once, as
// if the user pressed OK. Messages go to standard error.
#pragma once

#include <functional>
#include <string>

#include "platform/seams.h"

namespace kaveta {

// Exit status: 0 when the OK command ran to its end, 1 when the run ended
// without output.
// `print` shows one line of text (UTF-8) on standard error.
using PrintLine = std::function<void(const std::string&)>;

int RunConsoleFrontEnd(const std::string& rawCommandLine, const std::string& programFolder,
                       char separator, FileSystem& files, RegistryReader& registry,
                       const PrintLine& print);

}  // namespace kaveta
