#include "ui/editors.h"

#include <string>

#include "ui/unit_text.h"

namespace kaveta {
namespace {

bool IsRow(int r) { return r >= 1 && r <= kRows; }

// Enter walks the rows downwards and wraps from the last to the first.
int NextRow(int r) { return r >= kRows || r < 1 ? 1 : r + 1; }

// Focus is the view's business; the model only moves and shows the editor.
void PlaceOver(Control& editor, const Control& cell) {
  editor.left = cell.left;
  editor.top = cell.top;
  editor.width = cell.width;
  editor.visible = true;
}

void UpdateNameRow(Kaveta& k) {
  if (IsRow(k.currentNameRow)) k.ui.txtname[k.currentNameRow].text = k.ui.Combo2.text;
}

void LoadNameEditor(Kaveta& k, int r) {
  k.currentNameRow = r;
  k.ui.Combo2.text = k.ui.txtname[r].text;
  PlaceOver(k.ui.Combo2, k.ui.txtname[r]);
  // Setting the editor's text counts as a change of it.
  UpdateNameRow(k);
}

void UpdateUnitRow(Kaveta& k) {
  if (!IsRow(k.currentUnitRow)) return;
  Control& cell = k.ui.Label5[k.currentUnitRow];
  const std::string& text = k.ui.cbTani[0].text;
  cell.text = SplitUnitText(text).caption;
  cell.tooltip = text;
}

void LoadUnitEditor(Kaveta& k, int r) {
  k.currentUnitRow = r;
  k.ui.cbTani[0].text = k.ui.Label5[r].tooltip;
  PlaceOver(k.ui.cbTani[0], k.ui.Label5[r]);
}

}  // namespace

void txtname_Click(Kaveta& k, int r) {
  if (!IsRow(r)) return;
  LoadNameEditor(k, r);
}

void Combo2_Change(Kaveta& k) { UpdateNameRow(k); }

void Combo2_Click(Kaveta& k) { UpdateNameRow(k); }

void Combo2_KeyDown(Kaveta& k, int keyCode) {
  UpdateNameRow(k);
  if (keyCode != kKeyEnter) return;
  LoadNameEditor(k, NextRow(k.currentNameRow));
}

void Combo2_LostFocus(Kaveta& k) {
  UpdateNameRow(k);
  k.ui.Combo2.visible = false;
}

void Label5_Click(Kaveta& k, int r) {
  if (!IsRow(r)) return;
  LoadUnitEditor(k, r);
  // A row reorder disables the editor; a click on a unit cell brings it back.
  k.ui.cbTani[0].enabled = true;
}

void cbTani_Change(Kaveta& k) { UpdateUnitRow(k); }

void cbTani_Click(Kaveta& k) { UpdateUnitRow(k); }

void cbTani_KeyDown(Kaveta& k, int keyCode) {
  UpdateUnitRow(k);
  if (keyCode != kKeyEnter) return;
  LoadUnitEditor(k, NextRow(k.currentUnitRow));
}

void cbTani_LostFocus(Kaveta& k) {
  UpdateUnitRow(k);
  k.ui.cbTani[0].visible = false;
}

void txttani_Click(Kaveta&) {}

}  // namespace kaveta
