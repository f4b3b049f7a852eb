#include "text/letter_case.h"

#include <gtest/gtest.h>

namespace kaveta {
namespace {

// Letters of every script Shift_JIS holds change case; kana, kanji,
// half-width katakana and signs stay.
TEST(LetterCase, UpperAndLower) {
  const struct {
    const char* lower;
    const char* upper;
  } cases[] = {
      {"#c#0080ff", "#C#0080FF"}, {"ａｂｚ", "ＡＢＺ"},         {"αβσως", "ΑΒΣΩς"},
      {"абяё", "АБЯЁ"},           {"洋室ｱ・ー1", "洋室ｱ・ー1"}, {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToUpperLetters(c.lower), c.upper) << c.lower;
    if (std::string(c.lower) != "αβσως") {
      EXPECT_EQ(ToLowerLetters(c.upper), c.lower) << c.upper;
    }
  }
  EXPECT_EQ(ToLowerLetters("ΑΒΣΩ"), "αβσω");
  // Broken UTF-8 is copied as it is.
  EXPECT_EQ(ToUpperLetters("a\xE3\x81"), "A\xE3\x81");
}

}  // namespace
}  // namespace kaveta
