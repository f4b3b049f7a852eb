#include "output/clipboard_text.h"

#include <algorithm>
#include <optional>

#include "exchange/groups.h"
#include "output/breakdown_table.h"
#include "ui/totals.h"

namespace kaveta {
namespace {

// Rows that received a colour group.
int CopiedRows(const Kaveta& k) { return std::clamp(k.state.nextGroup - 1, 0, kRows); }

}  // namespace

std::string CardText(const Kaveta& k) {
  std::string out = k.ui.txtHyoumei.text + "\r\n";
  for (std::size_t i = 1; i <= static_cast<std::size_t>(CopiedRows(k)); ++i)
    out +=
        k.ui.txtname[i].text + "\t" + k.ui.Text_sum[i].text + "\t" + k.ui.Label5[i].text + "\r\n";
  if (TotalsRowWanted(k)) {
    const QuantityTotal total = TotalOfRows(k);
    out += "合計\t" + total.text + "\t" + total.unit + "\r\n";
  }
  return out;
}

std::string ListText(const Kaveta& k) {
  const std::size_t rows = static_cast<std::size_t>(CopiedRows(k));
  const std::optional<QuantityTotal> total =
      TotalsRowWanted(k) ? std::optional(TotalOfRows(k)) : std::nullopt;
  std::string out;
  if (k.runMode == RunMode::AreaNewTable) {
    out += "項目名";
    for (std::size_t i = 1; i <= rows; ++i) out += "\t" + k.ui.txtname[i].text;
    if (total) out += "\t合計";
    out += "\r\n単　位";
    for (std::size_t i = 1; i <= rows; ++i) out += "\t" + k.ui.Label5[i].text;
    if (total) out += "\t" + total->unit;
    out += "\r\n";
  }
  out += k.ui.txtHyoumei.text;
  for (std::size_t i = 1; i <= rows; ++i) out += "\t" + k.ui.Text_sum[i].text;
  if (total) out += "\t" + total->text;
  return out + "\r\n";
}

std::string ClipboardText(const Kaveta& k) {
  std::string text;
  switch (k.tableStyle) {
    case 0: text = CardText(k); break;
    case 1: text = ListText(k); break;
    default: return "";
  }
  // The whole calculation, for a spreadsheet.
  if (BreakdownWanted(k)) text += BreakdownCopyText(k);
  return text;
}

OkOutcome CopyAndOk(Kaveta& k) {
  k.env.clipboard->SetText(ClipboardText(k));
  return RunOkCommand(k);
}

void ExitCommand(Kaveta& k) { k.closed = true; }

}  // namespace kaveta
