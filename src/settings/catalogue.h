// The list file kaveta.lst (item and unit lists) and the row file
// koumoku.INI (the rows of the last table).
#pragma once

#include <string>

#include "ui/kaveta.h"

namespace kaveta {

// Reads kaveta.lst from the program folder into Combo2, cbTani(0), cbTaniD.
void ReadListFile(Kaveta& k);
void loadKoumoku(Kaveta& k, const std::string& iniFileName);
bool saveKoumoku(Kaveta& k, const std::string& iniFileName);

}  // namespace kaveta
