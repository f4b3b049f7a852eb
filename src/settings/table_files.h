// Table files (*.JHY): the settings and the rows of a table kept in a file
// the user chooses, written and read back through the file dialogs.
#pragma once

#include "ui/kaveta.h"

namespace kaveta {

// mnuOpenhyou: asks for a table file and loads its settings and rows. False
// when nothing was loaded (cancelled, or the chosen file does not exist).
bool OpenTableFile(Kaveta& k);

// mnuSaveHyou: asks for a name and writes the settings and rows into it in
// one step. False when cancelled or the file could not be written.
bool SaveTableFile(Kaveta& k);

}  // namespace kaveta
