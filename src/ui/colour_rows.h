// The colour rows: row-mode button, swatch clicks (add, delete, recolour,
// name by colour) and swatch drops that swap two rows.
#pragma once

#include "ui/kaveta.h"

namespace kaveta {

inline constexpr const char* kRowModeReorder = "並替";
inline constexpr const char* kRowModeAdd = "追加";
inline constexpr const char* kRowModeDelete = "削除";
inline constexpr const char* kHintDrag = "↑ここをドラッグしてください";
inline constexpr const char* kHintClick = "↑ここをクリックしてください";
inline constexpr const char* kDuplicateColourQuestion =
    "同じ色がすでに使われてます。\r\nそれでも使いますか？";

// Colour dialog flags of the common colour dialog.
inline constexpr std::uint32_t kColourFullOpen = 2;         // CC_FULLOPEN
inline constexpr std::uint32_t kColourRgbInitFullOpen = 3;  // CC_RGBINIT | CC_FULLOPEN

// Cycles the row mode 並替 → 追加 → 削除 → 並替.
void btnChenge_Click(Kaveta& k);

// Swatch i (1..16 left, 17..32 right); other indices are not swatches of
// the grid and are ignored.
void Lblpic_Click(Kaveta& k, int i);

// Swatch i received a drop of the control sourceIndex; only a dragged
// label (a left swatch 1..16) swaps rows.
void Lblpic_DragDrop(Kaveta& k, int i, int sourceIndex, bool sourceIsLabel);

}  // namespace kaveta
