// The window's side of the row-in-use rule (RowInUse in the run state).
#pragma once

#include <string>

#include "number/area_summary.h"
#include "number/colour_text.h"
#include "ui/kaveta.h"

namespace kaveta {

// A swatch shows a colour with its RGB values as the tip.
inline void PaintSwatch(Control& swatch, std::int32_t colour) {
  swatch.backColour = colour;
  swatch.tooltip = RgbText(colour);
}

inline bool RowInUse(const Kaveta& k, int row) {
  const std::size_t r = static_cast<std::size_t>(row);
  return RowInUse(k.ui.txtname[r].text, k.ui.Lblpic[r].backColour, k.state.backgroundColour);
}

// A row's role (区分): the code of its list's caption; a caption not in the
// list is no role.
inline int RowRole(const Kaveta& k, int row) {
  const std::string& caption = k.ui.cboKubun[static_cast<std::size_t>(row)].text;
  for (int code = 1; code < kAreaRoleCount; ++code)
    if (caption == kAreaRoles[code].caption) return code;
  return 0;
}

// Unknown codes are no role.
inline void SetRowRole(Kaveta& k, int row, int code) {
  k.ui.cboKubun[static_cast<std::size_t>(row)].text =
      kAreaRoles[code >= 0 && code < kAreaRoleCount ? code : 0].caption;
}

}  // namespace kaveta
