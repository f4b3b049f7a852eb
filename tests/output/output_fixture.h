// Shared set-up for the output tests: a window with a known settings panel
// and rows, and the written file split into lines.
#pragma once

#include <string>
#include <vector>

#include "exchange/host_settings.h"
#include "support/fakes.h"
#include "text/lines.h"
#include "ui/kaveta.h"

namespace kaveta::testing {

inline constexpr std::int32_t kRed = 255;
inline constexpr std::int32_t kGreen = 65280;
inline constexpr std::int32_t kBlue = 16711680;
inline constexpr const char* kZFolder = "/jww";
inline constexpr const char* kZTemp = "/jww/ZTEMP.TXT";
inline constexpr const char* kJwcTemp = "/app/JWC_TEMP.TXT";

// Every combo of the panel gets a text of its own, so a swapped combo shows.
inline void SetPanel(Kaveta& k) {
  auto& c = k.ui.Combo1;
  c[1].text = "lc1";
  c[2].text = "lc2";
  c[7].text = "lc7";
  c[9].text = "lt3";
  c[10].text = "lt4";
  c[11].text = "lt5";
  c[5].text = "ly5";
  c[6].text = "ly6";
  c[8].text = "ly8";
  c[4].text = "ly4";
  c[3].text = "cn3";
  k.ui.Text2.text = "20,2,2,lya";
  k.ui.Comboketa.text = "3";
  for (auto& box : k.ui.ckKeisen) box.value = 1;
  for (auto& box : k.ui.chkUTIWAKE) box.value = 0;
  k.state.headerTextWidth[3] = "4";
  k.state.headerTextHeight[3] = "4";
  k.state.headerTextSpacing[3] = "1";
  k.state.backgroundColour = kWhite;
  for (int i = 1; i <= 32; ++i) k.ui.Lblpic[static_cast<std::size_t>(i)].backColour = kWhite;
  k.itemAlignment = 0;
}

// Row i gets a group: left and right swatch, name, quantity, unit.
inline void SetRow(Kaveta& k, int i, std::int32_t left, std::int32_t right, const std::string& name,
                   const std::string& quantity, const std::string& unit) {
  const auto r = static_cast<std::size_t>(i);
  k.ui.Lblpic[r].backColour = left;
  k.ui.Lblpic[r + 16].backColour = right;
  k.ui.txtname[r].text = name;
  k.ui.Text_sum[r].text = quantity;
  k.ui.Label5[r].text = unit;
  k.ui.Label5[r].tooltip = unit + ",1";
}

// The two rows of the worked example: cw 4, chh 4, cs 1, Text2 20,2,2,lya.
inline void WorkedExampleRows(Kaveta& k) {
  SetRow(k, 1, kRed, kGreen, "ABCDEFGH", "12.345", "m^2");
  SetRow(k, 2, kBlue, kBlue, "壁面", "1.000", "m");
  k.ui.txtHyoumei.text = "面積表";
}

// What the worked example writes from its text-kind line to its last
// swatch, checked line by line: w0 24, R 8, columns 23.5, 18.5 and 11.
inline std::vector<std::string> WorkedExampleRowLines() {
  return {
      "cn3",
      "ch 1 1 2 0\"面積表",
      "ly4",
      "ch 26 -6 1 0 \"ABCDEFGH",
      "ch 49.5 -6 1 0 \"12.345",
      "ch 68 -6 1 0 \"m^2",
      "lya",
      "lc10 65280",
      "sl 12 -6 12 -2 22 -2 22 -6",
      "lc10 255",
      "sl 2 -6 2 -2 12 -2 12 -6",
      "ly4",
      "ch 26 -14 1 0 \"壁面    ",
      "ch 49.5 -14 1 0 \" 1.000",
      "ch 68 -14 1 0 \"m",
      "lya",
      "lc10 16711680",
      "sl 12 -14 12 -10 22 -10 22 -14",
      "lc10 16711680",
      "sl 2 -14 2 -10 12 -10 12 -14",
  };
}

inline std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> out;
  for (auto line : SplitLines(text)) out.emplace_back(line);
  return out;
}

inline void PointZFileAt(Harness& h, const std::string& folder = kZFolder) {
  h.registry.texts[{kFolderKey, "ZFILE"}] = folder;
}

}  // namespace kaveta::testing
