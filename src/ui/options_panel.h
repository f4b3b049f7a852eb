// The settings panel, its controls that act at once, the item-name case
// switch and the alignment menu.
#pragma once

#include <cstdint>

#include "ui/kaveta.h"

namespace kaveta {

// 設定 → 作表設定 and the panel's ＯＫ.
void optSakuhyou_Click(Kaveta& k);
void cmdOptionOK_Click(Kaveta& k);

// 設定 → 表のプレビュー: shows or hides the preview (its check mark).
void mnuPreview_Click(Kaveta& k);

// Ruled-line check k (0 outer frame, 1 vertical, 2 horizontal), after its
// value has changed.
void ckKeisen_Click(Kaveta& k, int kIndex);

// A pick from the digits list re-rounds every row showing a number.
void Comboketa_Click(Kaveta& k);

// A pick from the rounding list (cboHasuu's text is the pick) re-rounds the
// same rows as a digits pick; so does ticking the breakdown.
void cboHasuu_Click(Kaveta& k);
void chkSansha_Click(Kaveta& k);
// The summary's tick shows or hides the role column; a pick from the ratio
// rounding list (cboHiritsu's text) sets the ratios' rounding.
void chkGaiyou_Click(Kaveta& k);
void cboHiritsu_Click(Kaveta& k);
// Table type of the clipboard copy.
void Option1_Click(Kaveta& k, int i);

// Item names to upper or lower case by chkC's value.
void chkC_Click(Kaveta& k);

// 編集 → 左 / 中 / 右.
void mnuMleft_Click(Kaveta& k);
void mnuMcenter_Click(Kaveta& k);
void mnuMright_Click(Kaveta& k);

// The stored alignment at start-up: 0 left, 1 right, 2 centre; any other
// value changes nothing.
void ApplyItemAlignment(Kaveta& k, std::int32_t value);

}  // namespace kaveta
