#include "startup/run_mode.h"

#include <gtest/gtest.h>

namespace kaveta {
namespace {

TEST(CommandLine, SplitsAtBlanksAndTabsWithElementZeroEmpty) {
  const struct {
    const char* raw;
    int max;
    std::vector<std::string> words;
  } cases[] = {
      {"", 10, {""}},
      {"   ", 10, {""}},
      {"/C2", 10, {"", "/C2"}},
      {"  a\tb  c ", 10, {"", "a", "b", "c"}},
      {"\"a b\"", 10, {"", "\"a", "b\""}},  // quotes mean nothing
      {"a b c d", 2, {"", "a", "b"}},       // the walk stops at the maximum
      {"1 2 3 4 5 6 7 8 9 10 11 12", 10, {"", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.raw, c.max), c.words) << c.raw;
}

TEST(CommandLine, RunModeFromTheLastTwoCharactersOfTheFirstWord) {
  const struct {
    const char* raw;
    RunMode mode;
  } cases[] = {
      {"", RunMode::LayerNaming},
      {"M3", RunMode::ColourChange},
      {"/M3", RunMode::ColourChange},
      {"xyzM3", RunMode::ColourChange},
      {"m3", RunMode::TableDesign},  // codes are compared with case
      {"M", RunMode::TableDesign},   // one character matches nothing
      {"M3 M4", RunMode::ColourChange},
      {"x M4", RunMode::TableDesign},  // only the first word counts
      {"M4", RunMode::LayerSort},
      {"M5", RunMode::OverlapOrder},
      {"M6", RunMode::TableDesign},
      {"M7", RunMode::LayerNamingExternal},
      {"/C1", RunMode::AreaPreviousTable},
      {"/C2", RunMode::AreaNewTable},
      {"C2x", RunMode::TableDesign},
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseRunMode(SplitCommandLine(c.raw)), c.mode) << c.raw;
}

}  // namespace
}  // namespace kaveta
