// A window object with painted swatches, as start-up leaves it, for the
// handler tests. Not movable: the window object points into the harness.
#pragma once

#include <cstdint>
#include <string>

#include "support/fakes.h"
#include "ui/kaveta.h"

namespace kaveta::testing {

struct Window {
  Harness h;  // before k: k is made from it
  Kaveta k;

  explicit Window(RunMode mode, std::int32_t background = kWhite) : k(h.Make(mode)) {
    k.state.backgroundColour = background;
    for (int i = 1; i <= 2 * kRows; ++i) {
      k.ui.Lblpic[i].backColour = background;
      k.ui.Lblpic[i].tooltip.clear();
    }
  }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Both swatches of a row in one colour, with a tooltip that tells rows apart.
  void Fill(int row, std::int32_t colour) {
    for (int i : {row, row + kRows}) {
      k.ui.Lblpic[i].backColour = colour;
      k.ui.Lblpic[i].tooltip = "row " + std::to_string(row);
    }
  }
  Control& Left(int row) { return k.ui.Lblpic[row]; }
  Control& Right(int row) { return k.ui.Lblpic[row + kRows]; }
};

}  // namespace kaveta::testing
