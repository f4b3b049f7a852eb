#include "startup/run_mode.h"

namespace kaveta {

std::vector<std::string> SplitCommandLine(std::string_view raw, int maxWords) {
  std::vector<std::string> words(1);
  bool open = false;
  for (char c : raw) {
    if (c == ' ' || c == '\t') {
      open = false;
      continue;
    }
    if (!open) {
      if (static_cast<int>(words.size()) - 1 >= maxWords) break;
      words.emplace_back();
      open = true;
    }
    words.back() += c;
  }
  return words;
}

RunMode ChooseRunMode(const std::vector<std::string>& words) {
  if (words.size() <= 1) return RunMode::LayerNaming;
  const std::string& first = words[1];
  const std::string code = first.size() <= 2 ? first : first.substr(first.size() - 2);
  static const struct {
    const char* code;
    RunMode mode;
  } kCodes[] = {
      {"M3", RunMode::ColourChange},        {"M4", RunMode::LayerSort},
      {"M5", RunMode::OverlapOrder},        {"M6", RunMode::TableDesign},
      {"M7", RunMode::LayerNamingExternal}, {"C1", RunMode::AreaPreviousTable},
      {"C2", RunMode::AreaNewTable},
  };
  for (const auto& entry : kCodes)
    if (code == entry.code) return entry.mode;
  return RunMode::TableDesign;
}

}  // namespace kaveta
