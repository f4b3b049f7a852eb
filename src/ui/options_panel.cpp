#include "ui/options_panel.h"

#include <string>

#include "ui/row_quantity.h"
#include "settings/check_effects.h"
#include "number/area_summary.h"
#include "number/number_text.h"
#include "number/rounding.h"

namespace kaveta {
namespace {

void SetItemAlignment(Kaveta& k, Alignment alignment) {
  for (int r = 1; r <= kRows; ++r) k.ui.txtname[r].alignment = alignment;
  k.itemAlignment = alignment == Alignment::Left ? 0 : alignment == Alignment::Right ? 1 : 2;
  k.ui.mnuMleft.checked = alignment == Alignment::Left;
  k.ui.mnuMcenter.checked = alignment == Alignment::Centre;
  k.ui.mnuMright.checked = alignment == Alignment::Right;
}

}  // namespace

void optSakuhyou_Click(Kaveta& k) {
  k.ui.henshu.enabled = false;
  k.ui.Frame1.visible = true;
}

void mnuPreview_Click(Kaveta& k) {
  if (!k.ui.mnuPreview.enabled) return;
  k.ui.mnuPreview.checked = !k.ui.mnuPreview.checked;
  if (k.ui.mnuPreview.checked) k.preview.opened = true;
}

void cmdOptionOK_Click(Kaveta& k) {
  k.ui.Frame1.visible = false;
  k.ui.henshu.enabled = true;
}

void ckKeisen_Click(Kaveta& k, int kIndex) { ApplyKeisenEnabled(k, kIndex); }

namespace {

void ReRoundQuantities(Kaveta& k) {
  // Disabled for good once rows were swapped: the totals no longer match.
  if (!k.ui.Comboketa.enabled) return;
  const int digits = DigitsOf(k);
  for (int r = 1; r <= kRows; ++r) {
    double shown = 0;
    if (!ParseQuantityText(k.ui.Text_sum[r].text, shown)) continue;
    // A number typed into a row without a measured area is recomputed as
    // well; its empty total counts as 0.
    k.ui.Text_sum[r].text = k.state.groups[r].areaTotal ? RowQuantityText(k, r, digits)
                                                        : QuantityText(0.0, digits);
  }
}

}  // namespace

void Comboketa_Click(Kaveta& k) { ReRoundQuantities(k); }

void cboHasuu_Click(Kaveta& k) {
  if (!k.ui.cboHasuu.enabled) return;
  for (int mode = 0; mode < 3; ++mode) {
    if (k.ui.cboHasuu.text != kRoundingCaptions[mode]) continue;
    k.roundingMode = mode;
    ReRoundQuantities(k);
    return;
  }
}

void chkSansha_Click(Kaveta& k) { ReRoundQuantities(k); }

void chkGaiyou_Click(Kaveta& k) { ApplySummaryColumn(k); }

void cboHiritsu_Click(Kaveta& k) {
  for (const RatioRoundingEntry& e : kRatioRoundingEntries)
    if (k.ui.cboHiritsu.text == e.caption) ApplyRatioRounding(k, static_cast<int>(e.mode));
}

void Option1_Click(Kaveta& k, int i) {
  if (i < 0 || i > 1) return;
  k.tableStyle = i;
  k.ui.Option1[i].value = 1;
  k.ui.Option1[1 - i].value = 0;
}

void chkC_Click(Kaveta& k) { ApplyNameCase(k); }

void mnuMleft_Click(Kaveta& k) { SetItemAlignment(k, Alignment::Left); }

void mnuMcenter_Click(Kaveta& k) { SetItemAlignment(k, Alignment::Centre); }

void mnuMright_Click(Kaveta& k) { SetItemAlignment(k, Alignment::Right); }

void ApplyItemAlignment(Kaveta& k, std::int32_t value) {
  switch (value) {
    case 0: SetItemAlignment(k, Alignment::Left); break;
    case 1: SetItemAlignment(k, Alignment::Right); break;
    case 2: SetItemAlignment(k, Alignment::Centre); break;
    default: break;
  }
}

}  // namespace kaveta
