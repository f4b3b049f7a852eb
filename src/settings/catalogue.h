// The list file kaveta.lst (item and unit lists) and the row file
// koumoku.INI (the rows of the last table).
#pragma once

#include <string>

#include "ui/kaveta.h"

namespace kaveta {

class IniBatch;

// Reads kaveta.lst from the program folder into Combo2, cbTani(0), cbTaniD.
void ReadListFile(Kaveta& k);
void loadKoumoku(Kaveta& k, const std::string& iniFileName);
bool saveKoumoku(Kaveta& k, const std::string& iniFileName);

// The same row entries read from or written into a file already open as a
// batch (table files: one read, one write). Reading a batch whose file did
// not exist changes nothing.
void loadKoumoku(Kaveta& k, const IniBatch& file);
void saveKoumoku(Kaveta& k, IniBatch& file);

}  // namespace kaveta
