// The outputs of the regrouping and layer-naming run modes.
#pragma once

#include <array>
#include <string>

#include "exchange/run_state.h"
#include "output/output_writer.h"
#include "output/table_snapshot.h"

namespace kaveta {

// "hd", the pass-through text, then the colour groups with their stored
// blocks. A group whose colour equals the background is still a group: rows
// are told apart by their stored blocks as well as by their swatch.
void ColourChange(const TableSnapshot& t, const RunState& s, OutputText& out);
void LayerSort(const TableSnapshot& t, const RunState& s, OutputText& out);
void OverlapOrder(const TableSnapshot& t, const RunState& s, OutputText& out);

// What the layer-naming outputs do to the window once the file is written:
// the new item captions (rows 1..16) and the new title.
struct LayerNamingChanges {
  std::array<std::string, kMaxGroups + 1> captions;
  std::string title;
};

// Writes "lg", the named layers and the message; returns the renamed rows.
LayerNamingChanges LayerNaming(const TableSnapshot& t, OutputText& out);
// Writes "lg" and all sixteen layers and the message; the table follows,
// composed from the returned captions and title.
LayerNamingChanges LayerNamingExternal(const TableSnapshot& t, OutputText& out);

// The snapshot as the external layer naming's table shows it: the renamed
// rows under the new title.
TableSnapshot RenamedTable(const TableSnapshot& t, const LayerNamingChanges& changes,
                           std::int32_t background);

// True when group `row` holds any stored figure line.
bool GroupHasLines(const RunState& s, int row);

}  // namespace kaveta
