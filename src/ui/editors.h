// The floating name and unit editors: moved over the clicked cell, they
// write every change straight into the row; Enter moves them down a row.
#pragma once

#include "ui/kaveta.h"

namespace kaveta {

inline constexpr int kKeyEnter = 13;

// Name editor Combo2 over txtname(r).
void txtname_Click(Kaveta& k, int r);
void Combo2_Change(Kaveta& k);
void Combo2_Click(Kaveta& k);
void Combo2_KeyDown(Kaveta& k, int keyCode);
void Combo2_LostFocus(Kaveta& k);

// Unit editor cbTani(0) over Label5(r); r = 0 is not a row and is ignored.
void Label5_Click(Kaveta& k, int r);
void cbTani_Change(Kaveta& k);
void cbTani_Click(Kaveta& k);
void cbTani_KeyDown(Kaveta& k, int keyCode);
void cbTani_LostFocus(Kaveta& k);

// The quantity header: clicking it does nothing.
void txttani_Click(Kaveta& k);

}  // namespace kaveta
