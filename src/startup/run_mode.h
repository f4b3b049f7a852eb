#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kaveta {

enum class RunMode {
  TableDesign = 0,
  AreaNewTable = 1,
  AreaPreviousTable = 2,
  ColourChange = 3,
  LayerSort = 4,
  OverlapOrder = 5,
  LayerNaming = 6,
  LayerNamingExternal = 7,
};

inline bool IsTableMode(RunMode m) {
  return m == RunMode::TableDesign || m == RunMode::AreaNewTable || m == RunMode::AreaPreviousTable;
}
inline bool IsAreaMode(RunMode m) {
  return m == RunMode::AreaNewTable || m == RunMode::AreaPreviousTable;
}
inline bool IsRegroupMode(RunMode m) {
  return m == RunMode::ColourChange || m == RunMode::LayerSort || m == RunMode::OverlapOrder;
}

// Element 0 is always empty; 1..n hold the words (n at most maxWords).
// Blanks and tabs separate words; quotes mean nothing.
std::vector<std::string> SplitCommandLine(std::string_view raw, int maxWords = 10);

// The last two characters of the first word, compared with case.
RunMode ChooseRunMode(const std::vector<std::string>& words);

}  // namespace kaveta
