// The clipboard copy ("コピー && OK") and the exit menu item.
#pragma once

#include <string>

#include "output/ok_command.h"
#include "ui/kaveta.h"

namespace kaveta {

// Title line, then one line per row: name TAB quantity TAB unit.
std::string CardText(const Kaveta& k);
// In AreaNewTable a name line and a unit line first; then the title and
// the quantities on one line.
std::string ListText(const Kaveta& k);
// The text of the chosen table style (empty for an unknown style).
std::string ClipboardText(const Kaveta& k);

// Command3: puts the text on the clipboard, then runs the OK command.
OkOutcome CopyAndOk(Kaveta& k);

// kavetaend: closes the window; nothing is written or saved.
void ExitCommand(Kaveta& k);

}  // namespace kaveta
