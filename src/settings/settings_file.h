// Kaveta.INI: the settings panel, table style and item alignment.
#pragma once

#include <string>

#include "ui/kaveta.h"

namespace kaveta {

class IniBatch;

void loadINI(Kaveta& k, const std::string& iniFileName);
// False when the file could not be written (callers may ignore it).
bool saveINI(Kaveta& k, const std::string& iniFileName);

// The OK command's save: Kaveta.INI and koumoku.INI in the program folder,
// both or neither. A file there that could not be read (now or at start) is
// not written over, and a save that fails is not dropped: either is said in
// a message. True when both were saved.
bool SaveSettingsAndRows(Kaveta& k);

// The same entries read from or written into a file already open as a batch,
// for files that hold them beside other entries (table files): one read, one
// write. Reading a batch whose file did not exist changes nothing.
void loadINI(Kaveta& k, const IniBatch& file);
void saveINI(Kaveta& k, IniBatch& file);

}  // namespace kaveta
