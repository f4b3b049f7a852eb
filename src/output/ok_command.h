// The OK command: writes the exchange output, saves, hands off, closes.
#pragma once

#include <string>

#include "output/draw_items.h"
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

// The table OK would draw now, without the labels at the solid figures:
// what the preview shows. False outside the modes that draw a table, or with
// the message that OK would show when the settings do not allow one.
bool TablePreviewItems(const Kaveta& k, DrawList& items, std::string& problem);

}  // namespace kaveta
