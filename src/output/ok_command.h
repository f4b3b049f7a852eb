// The OK command: writes the exchange output, saves, hands off, closes.
#pragma once

#include "ui/kaveta.h"

namespace kaveta {

enum class OkOutcome {
  Written,     // ran to its end; the window is closed
  NotWritten,  // nothing written or saved; a message said why; window open
};

OkOutcome RunOkCommand(Kaveta& k);

// Rows 1..16 whose name is not empty or whose left swatch differs from the
// background colour.
int CountRowsInUse(const Kaveta& k);

}  // namespace kaveta
