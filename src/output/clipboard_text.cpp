#include "output/clipboard_text.h"

#include <algorithm>

#include "output/breakdown_table.h"
#include "output/summary_table.h"

namespace kaveta {
namespace {

// Rows that received a colour group.
std::size_t CopiedRows(const RunState& s) {
  return static_cast<std::size_t>(std::clamp(s.nextGroup - 1, 0, kMaxGroups));
}

}  // namespace

std::string CardText(const TableSnapshot& t, const RunState& s) {
  std::string out = t.title + "\r\n";
  for (std::size_t i = 1; i <= CopiedRows(s); ++i)
    out += t.rows[i].name + "\t" + t.rows[i].quantity + "\t" + t.rows[i].unit + "\r\n";
  if (t.total) out += "合計\t" + t.total->text + "\t" + t.total->unit + "\r\n";
  return out;
}

std::string ListText(const TableSnapshot& t, const RunState& s) {
  const std::size_t rows = CopiedRows(s);
  std::string out;
  if (t.mode == RunMode::AreaNewTable) {
    out += "項目名";
    for (std::size_t i = 1; i <= rows; ++i) out += "\t" + t.rows[i].name;
    if (t.total) out += "\t合計";
    out += "\r\n単　位";
    for (std::size_t i = 1; i <= rows; ++i) out += "\t" + t.rows[i].unit;
    if (t.total) out += "\t" + t.total->unit;
    out += "\r\n";
  }
  out += t.title;
  for (std::size_t i = 1; i <= rows; ++i) out += "\t" + t.rows[i].quantity;
  if (t.total) out += "\t" + t.total->text;
  return out + "\r\n";
}

std::string ClipboardText(const TableSnapshot& t, const RunState& s) {
  std::string text;
  switch (t.tableStyle) {
    case 0: text = CardText(t, s); break;
    case 1: text = ListText(t, s); break;
    default: return "";
  }
  // The whole calculation, for a spreadsheet.
  if (t.breakdown) text += BreakdownCopyText(t, s);
  // The summary last, after everything else.
  return text + SummaryCopyTextOf(t);
}

}  // namespace kaveta
