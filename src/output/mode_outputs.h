// The outputs of the regrouping and layer-naming run modes.
#pragma once

#include <array>
#include <string>

#include "output/output_writer.h"
#include "ui/kaveta.h"

namespace kaveta {

// "hd", the pass-through text, then the colour groups with their stored
// blocks. A group whose colour equals the background is still a group: rows
// are told apart by their stored blocks as well as by their swatch.
void ColourChange(const Kaveta& k, OutputText& out);
void LayerSort(const Kaveta& k, OutputText& out);
void OverlapOrder(const Kaveta& k, OutputText& out);

// What the layer-naming outputs do to the window once the file is written:
// the new item captions (rows 1..16) and the new title.
struct LayerNamingChanges {
  std::array<std::string, kRows + 1> captions;
  std::string title;
};

// Writes "lg", the named layers and the message; returns the renamed rows.
LayerNamingChanges LayerNaming(const Kaveta& k, OutputText& out);
// Writes "lg" and all sixteen layers and the message; the table follows,
// composed from the returned captions and title.
LayerNamingChanges LayerNamingExternal(const Kaveta& k, OutputText& out);

// True when group `row` holds any stored figure line.
bool GroupHasLines(const Kaveta& k, int row);

}  // namespace kaveta
