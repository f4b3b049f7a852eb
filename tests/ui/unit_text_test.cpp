#include "ui/unit_text.h"

#include <gtest/gtest.h>

namespace kaveta {
namespace {

// The settings panel's default unit and a row file's unit read the same
// text into different multipliers.
TEST(UnitText, TwoReadingsOfTheMultiplier) {
  const struct {
    const char* text;
    const char* caption;
    const char* byDefault;
    const char* byRowFile;
  } cases[] = {
      {"m^2,1", "m^2", "1", "1"},     {"坪,0.3025", "坪", "0.3025", "0.3025"},
      {"m^2", "m^2", "1", "1"},       {"m^2,", "m^2", "", "1"},
      {"m^2,abc", "m^2", "abc", "1"}, {"m^2,0", "m^2", "0", "1"},
      {"a,2,3", "a", "2", "2"},       {"", "", "1", "1"},
  };
  for (const auto& c : cases) {
    const UnitText u = SplitUnitText(c.text);
    EXPECT_EQ(u.caption, c.caption) << c.text;
    EXPECT_EQ(DefaultUnitMultiplier(u), c.byDefault) << c.text;
    EXPECT_EQ(RowFileUnitMultiplier(u), c.byRowFile) << c.text;
  }
}

}  // namespace
}  // namespace kaveta
