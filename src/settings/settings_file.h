// Kaveta.INI: the settings panel, table style and item alignment.
#pragma once

#include <string>

#include "ui/kaveta.h"

namespace kaveta {

void loadINI(Kaveta& k, const std::string& iniFileName);
// False when the file could not be written (callers may ignore it).
bool saveINI(Kaveta& k, const std::string& iniFileName);

}  // namespace kaveta
