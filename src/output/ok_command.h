// The OK command: writes the exchange output, saves, hands off, closes.
// The one place of output/ that reads the window: it takes the snapshot
// everything else is composed from.
#pragma once

#include <string>

#include "output/draw_items.h"
#include "output/preview_scene.h"
#include "output/table_snapshot.h"
#include "ui/kaveta.h"

namespace kaveta {

enum class OkOutcome {
  Written,     // ran to its end; the window is closed
  NotWritten,  // nothing written or saved; a message said why; window open
};

OkOutcome RunOkCommand(Kaveta& k);

// Command3: puts the copy on the clipboard, then runs the OK command.
OkOutcome CopyAndOk(Kaveta& k);

// kavetaend: closes the window; nothing is written or saved.
void ExitCommand(Kaveta& k);

// The window as OK sees it now.
TableSnapshot TakeTableSnapshot(const Kaveta& k);

// The table OK would draw now, without the labels at the solid figures:
// what the preview shows. False outside the modes that draw a table, or with
// the message that OK would show when the settings do not allow one.
bool TablePreviewItems(const Kaveta& k, DrawList& items, std::string& problem);

// The scene of what OK would write now; never changes the window.
PreviewScene PreviewSceneOf(const Kaveta& k);

}  // namespace kaveta
