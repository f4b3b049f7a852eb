// The window's side of the row-in-use rule (RowInUse in the run state).
#pragma once

#include "ui/kaveta.h"

namespace kaveta {

inline bool RowInUse(const Kaveta& k, int row) {
  const std::size_t r = static_cast<std::size_t>(row);
  return RowInUse(k.ui.txtname[r].text, k.ui.Lblpic[r].backColour, k.state.backgroundColour);
}

}  // namespace kaveta
