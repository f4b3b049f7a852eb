// The clipboard copy ("コピー && OK").
#pragma once

#include <string>

#include "exchange/run_state.h"
#include "output/table_snapshot.h"

namespace kaveta {

// Title line, then one line per row: name TAB quantity TAB unit.
std::string CardText(const TableSnapshot& t, const RunState& s);
// In AreaNewTable a name line and a unit line first; then the title and
// the quantities on one line.
std::string ListText(const TableSnapshot& t, const RunState& s);
// The text of the chosen table style (empty for an unknown style).
std::string ClipboardText(const TableSnapshot& t, const RunState& s);

}  // namespace kaveta
