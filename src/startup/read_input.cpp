#include "startup/read_input.h"

#include <algorithm>

#include "ui/row_quantity.h"
#include "ui/rows.h"
#include "ui/unit_text.h"

namespace kaveta {
namespace {

void ApplyEvent(Kaveta& k, const ReadEvent& e) {
  const bool row = e.row >= 1 && e.row <= kRows;
  switch (e.kind) {
    case ReadEvent::Kind::GroupAdded:
      if (!row) return;
      PaintSwatch(k.ui.Lblpic[e.row], e.colour);
      PaintSwatch(k.ui.Lblpic[e.row + kRows], e.colour);
      return;
    case ReadEvent::Kind::LayerNamed:
      if (!row) return;
      k.ui.txtname[e.row].text = e.text;
      if (!e.hasColour) return;
      // A colour name paints; the tips stay as they were.
      k.ui.Lblpic[e.row].backColour = e.colour;
      k.ui.Lblpic[e.row + kRows].backColour = e.colour;
      return;
    case ReadEvent::Kind::TitleShown: k.ui.txtHyoumei.text = e.text; return;
  }
}

}  // namespace

void ApplyReadResult(Kaveta& k, const ReadResult& result) {
  for (const ReadEvent& e : result.events) ApplyEvent(k, e);
  for (const ReadDiagnostic& d : result.diagnostics) k.Message(d.text, d.icon);
}

ReadOutcome ReadIntoWindow(Kaveta& k, std::string_view bytes) {
  const ReadResult result = ReadExchangeInput(k.runMode, k.state, bytes);
  ApplyReadResult(k, result);
  return result.outcome;
}

ReadOutcome ConsumeIntoWindow(Kaveta& k, std::string& bytes) {
  const ReadResult result = ConsumeExchangeInput(k.runMode, k.state, bytes);
  ApplyReadResult(k, result);
  return result.outcome;
}

void AfterReading(Kaveta& k) {
  RunState& s = k.state;
  if (s.circularSolidFound) {
    k.Message(
        "円形関係のソリッド図形が存在します。\r\nこれらの面積は集計できません。\r\n注意してください"
        "｡ ",
        MsgIcon::Critical);
  }
  const std::string& unitText = k.ui.cbTaniD.text;
  const UnitText parts = SplitUnitText(unitText);
  const int digits = DigitsOf(k);
  // Groups held in slots 1..nextGroup-1; a restored catalogue may leave
  // nextGroup anywhere, so never trust it past the 16 slots.
  const int last = std::clamp(s.nextGroup - 1, 0, kMaxGroups);
  for (int g = 1; g <= last; ++g) {
    Control& unit = k.ui.Label5[g];
    if (unit.text.empty()) {
      unit.text = parts.caption;
      unit.tooltip = unitText;
      s.groups[g].multiplier = DefaultUnitMultiplier(parts);
    }
    k.ui.Text_sum[g].text = RowQuantityText(k, g, digits);
  }
  if (s.currentGroup == 0) k.Message("ソリッド図形がありません。", MsgIcon::None);
}

}  // namespace kaveta
