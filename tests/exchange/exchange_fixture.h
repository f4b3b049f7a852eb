// A window object ready for reading, as the load sequence leaves it: host
// pen colours 1..9 set, the SXF colours 101..116 in place.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/groups.h"
#include "startup/read_input.h"
#include "platform/encoding.h"
#include "support/fakes.h"

namespace kaveta::testing {

// Pen colours of the fake host: distinct and never 0, so that a wrong
// table index shows.
inline std::int32_t HostPen(int n) { return 0x010101 * (n * 16 + 1); }

inline constexpr std::int32_t kSxfColours[16] = {
    0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    0x8000C0, 0x4080C0, 0x0080FF, 0x80C080, 0xFF8000, 0xFF4080, 0xC0C0C0, 0x808080};

// UTF-8 lines -> the Shift_JIS bytes the host writes, CR LF after each.
inline std::string HostFile(const std::vector<std::string>& utf8Lines) {
  std::string text;
  for (const auto& l : utf8Lines) text += l + "\r\n";
  return Utf8ToCp932(text);
}

// The pass-through text expected for these lines (CR LF after each).
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return text;
}

struct Reading {
  Harness h;
  Kaveta k;
  ReadOutcome outcome = ReadOutcome::Complete;

  explicit Reading(RunMode mode = RunMode::AreaNewTable) : k(h.Make(mode)) {
    for (int n = 1; n <= 9; ++n) k.state.penColourTable[n] = HostPen(n);
    for (int i = 0; i < 16; ++i) k.state.penColourTable[101 + i] = kSxfColours[i];
  }
  ReadOutcome Read(const std::vector<std::string>& utf8Lines) {
    return outcome = ReadIntoWindow(k, HostFile(utf8Lines));
  }
  ReadOutcome ReadBytes(const std::string& bytes) { return outcome = ReadIntoWindow(k, bytes); }
  // Solid figures of group g that were measured.
  long MeasuredIn(int g) const {
    long n = 0;
    for (std::uint8_t row : k.state.solidRows) n += row == g;
    return n;
  }
  std::vector<std::string> Messages() const { return h.dialogs.Texts(); }
  const ColourGroup& Group(int g) const { return k.state.groups[g]; }
};

}  // namespace kaveta::testing
