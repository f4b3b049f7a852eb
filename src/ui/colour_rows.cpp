#include "ui/colour_rows.h"

#include <optional>
#include <string>

#include "exchange/groups.h"
#include "number/number_text.h"
#include "number/colour_text.h"
#include "ui/rows.h"

namespace kaveta {
namespace {

constexpr int kRightOffset = kRows;  // right swatch of row r is r + 16

bool IsRow(int r) { return r >= 1 && r <= kRows; }

void SetDragOnLeftSwatches(Kaveta& k, bool on) {
  for (int i = 1; i <= kRows; ++i) k.ui.Lblpic[i].dragOnPress = on;
}

// A fresh dialog each time: it starts from black, whatever was picked before.
std::optional<std::int32_t> PickColour(Kaveta& k, std::uint32_t flags) {
  return k.env.dialogs->ChooseColour(ColourDialogArgs{0, flags});
}

// The layer-name form that the reader turns back into a colour.
void NameByColour(Kaveta& k, int row, std::uint32_t flags) {
  std::optional<std::int32_t> c = PickColour(k, flags);
  if (!c) return;
  PaintSwatch(k.ui.Lblpic[row], *c);
  PaintSwatch(k.ui.Lblpic[row + kRightOffset], *c);
  const char* prefix = k.ui.chkC.value == 1 ? "#C#" : "#c#";
  k.ui.txtname[row].text = prefix + HexColourText(*c);
}

// False when the colour is already shown and the user declines to reuse it.
bool AcceptColour(Kaveta& k, std::int32_t c) {
  for (int j = 1; j <= 2 * kRows; ++j) {
    if (k.ui.Lblpic[j].backColour != c) continue;
    return k.Message(kDuplicateColourQuestion, MsgIcon::Exclamation, MsgButtons::YesNo) ==
           MsgAnswer::Yes;
  }
  return true;
}

void ClearRow(Kaveta& k, int row) {
  for (Control* swatch : {&k.ui.Lblpic[row], &k.ui.Lblpic[row + kRightOffset]}) {
    swatch->backColour = k.state.backgroundColour;
    swatch->tooltip.clear();
  }
  k.ui.txtname[row].text.clear();
  k.ui.Text_sum[row].text.clear();
  k.ui.Label5[row].text.clear();
  k.ui.Label5[row].tooltip.clear();
  k.ui.cboKubun[row].text.clear();  // no role
}

// What the window shows of a row; its figures move with it (SwapRowFigures).
struct RowContent {
  std::int32_t leftColour = 0, rightColour = 0;
  std::string name, quantity, unitCaption, unitText;
  std::string role;  // its caption: a role belongs to its row as its name does
};

RowContent TakeRow(const Kaveta& k, int r) {
  return RowContent{k.ui.Lblpic[r].backColour, k.ui.Lblpic[r + kRightOffset].backColour,
                    k.ui.txtname[r].text,      k.ui.Text_sum[r].text,
                    k.ui.Label5[r].text,       k.ui.Label5[r].tooltip,
                    k.ui.cboKubun[r].text};
}

void PutRow(Kaveta& k, int r, const RowContent& c) {
  PaintSwatch(k.ui.Lblpic[r], c.leftColour);
  PaintSwatch(k.ui.Lblpic[r + kRightOffset], c.rightColour);
  k.ui.txtname[r].text = c.name;
  k.ui.Text_sum[r].text = c.quantity;
  k.ui.Label5[r].text = c.unitCaption;
  k.ui.Label5[r].tooltip = c.unitText;
  k.ui.cboKubun[r].text = c.role;
}

}  // namespace

void btnChenge_Click(Kaveta& k) {
  Control& button = k.ui.btnChenge;
  if (button.text == kRowModeDelete) {
    button.text = kRowModeReorder;
    k.ui.Label7.text = kHintDrag;
    SetDragOnLeftSwatches(k, true);
  } else if (button.text == kRowModeReorder) {
    button.text = kRowModeAdd;
    k.ui.Label7.text = kHintClick;
    SetDragOnLeftSwatches(k, false);
  } else if (button.text == kRowModeAdd) {
    k.ui.Label7.text = kHintClick;
    button.text = kRowModeDelete;
  }
}

void Lblpic_Click(Kaveta& k, int i) {
  if (i < 1 || i > 2 * kRows) return;
  const std::string& rowMode = k.ui.btnChenge.text;
  const bool left = i <= kRows;

  if (k.runMode == RunMode::LayerNaming && left) {
    NameByColour(k, i, kColourRgbInitFullOpen);
    return;
  }
  if (k.runMode == RunMode::LayerNamingExternal && rowMode == kRowModeAdd && left) {
    NameByColour(k, i, kColourFullOpen);
    return;
  }

  const std::int32_t background = k.state.backgroundColour;
  const std::int32_t colour = k.ui.Lblpic[i].backColour;
  const bool addToEmptyRow = rowMode == kRowModeAdd && colour == background && left;
  const bool recolourRight = colour != background && !left && k.runMode == RunMode::ColourChange;

  if (addToEmptyRow || recolourRight) {
    std::optional<std::int32_t> c = PickColour(k, kColourFullOpen);
    if (!c) return;
    if (!addToEmptyRow) {
      // The left swatch keeps the drawing's colour; the right one is what
      // the row's figures get in the output.
      PaintSwatch(k.ui.Lblpic[i], *c);
      return;
    }
    if (!AcceptColour(k, *c)) return;
    PaintSwatch(k.ui.Lblpic[i], *c);
    PaintSwatch(k.ui.Lblpic[i + kRightOffset], *c);
    return;
  }

  if (rowMode == kRowModeDelete && left) ClearRow(k, i);
}

void Lblpic_DragDrop(Kaveta& k, int i, int sourceIndex, bool sourceIsLabel) {
  if (!sourceIsLabel) return;
  // Quantities no longer sit beside their own group's totals after a swap,
  // so re-rounding is switched off for good.
  k.ui.cbTani[0].enabled = false;
  k.ui.Comboketa.enabled = false;
  k.ui.cboHasuu.enabled = false;

  const int target = i < kRows + 1 ? i : i - kRows;
  const int source = sourceIndex;
  if (!IsRow(target) || !IsRow(source) || target == source) return;

  const RowContent saved = TakeRow(k, target);
  PutRow(k, target, TakeRow(k, source));
  PutRow(k, source, saved);
  SwapRowFigures(k.state, target, source);
}

}  // namespace kaveta
