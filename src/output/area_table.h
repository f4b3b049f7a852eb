// The area table: a ruled grid with a swatch, name, quantity and unit per
// row in use, under the title, optionally with a label at every measured
// solid figure. Composed as drawing items; nothing here touches a file.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "exchange/run_state.h"
#include "output/draw_items.h"
#include "output/output_writer.h"
#include "output/table_snapshot.h"

namespace kaveta {

// Aligns text within a width counted in Shift_JIS bytes. Modes: 0 left,
// 1 right, 2 centre, 3 dot leader; any other mode gives the empty text. The
// centre and leader forms are cut to the first `width` characters.
std::string padToWidth(std::string_view text, int width, int mode, std::string_view pad);

// The settings the table geometry depends on, read from the snapshot's
// panel settings and the header values of the exchange input.
struct TableInputs {
  std::string textKindText;  // the kind as text ("3")
  int textKind = 0;
  float cw = 0, chh = 0, cs = 0;  // character width, height, spacing
  float solidWidth = 0, gapHeight = 0, gapWidth = 0;
  std::string swatchLayer;
};

// False when the table cannot be composed; `problem` then holds a message
// naming the setting to fix.
bool ReadTableInputs(const TableSnapshot& t, const RunState& s, TableInputs& in,
                     std::string& problem);

struct TableSizes {
  int longestName = 0, longestQuantity = 0, longestUnit = 0;
  float w0 = 0, R = 0;
  float nameColumnWidth = 0, quantityColumnWidth = 0, unitColumnWidth = 0;
  float W = 0, H = 0;
};
// `rows` counts the grid's rows: the rows in use and the totals row.
TableSizes MeasureTable(const TableSnapshot& t, const TableInputs& in, int rows);

// Gives "#", the labels of the first `solidCount` solid figures when asked
// for, "bz", the ruled lines, the title and the rows, one item at a time in
// output order; a large selection's labels are never held all at once.
using ItemSink = std::function<void(const DrawItem&)>;
void ComposeAreaTable(const TableSnapshot& t, const RunState& s, const TableInputs& in,
                      std::int64_t solidCount, const ItemSink& emit);
// The same, written as host lines.
void ComposeAreaTable(const TableSnapshot& t, const RunState& s, const TableInputs& in,
                      std::int64_t solidCount, OutputText& out);
// The same, as one list.
DrawList AreaTableItems(const TableSnapshot& t, const RunState& s, const TableInputs& in,
                        std::int64_t solidCount);

}  // namespace kaveta
