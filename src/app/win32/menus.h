// The menu bar: built from one table, its checks and enabled states
// mirrored from the model.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/window_model.h"

namespace kaveta::view {

HMENU BuildMenuBar(const WindowModel& w);

// Applies the model's menu states that differ from `shown` (empty: all).
// True when the bar must be redrawn.
bool SyncMenuBar(HMENU bar, const WindowModel& w, std::vector<MenuItem>& shown);

}  // namespace kaveta::view
