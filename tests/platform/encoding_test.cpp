#include "platform/encoding.h"

#include <gtest/gtest.h>

#include "text/lines.h"

namespace kaveta {
namespace {

TEST(Encoding, JapaneseTextRoundTripsThroughShiftJis) {
  // Full-width kana and kanji (2 bytes each), half-width katakana (1 byte).
  const std::string utf8 = "洋室ｱｲｳ（１）ﾍﾟｲﾝﾄ色 m^2";
  const std::string sjis = Utf8ToCp932(utf8);
  EXPECT_EQ(sjis.substr(0, 4), "\x97\x6D\x8E\xBA");
  EXPECT_EQ(sjis.substr(4, 3), "\xB1\xB2\xB3");
  EXPECT_EQ(Cp932ToUtf8(sjis), utf8);
  EXPECT_EQ(SjisByteLength(utf8), sjis.size());
  EXPECT_EQ(SjisByteLength("ｱｲ"), 2u);
  EXPECT_EQ(SjisByteLength("アイ"), 4u);
  EXPECT_EQ(SjisByteLength("ab"), 2u);
}

// Bytes that are not Shift_JIS become U+FFFD, one per bad byte, and the text
// around them survives.
TEST(Encoding, InvalidShiftJisBytesBecomeReplacementCharacters) {
  const std::string bad = std::string("a\x81") + "\x7F" + "b\xFD" + "c" + "\x82";
  const std::string utf8 = Cp932ToUtf8(bad);
  EXPECT_EQ(utf8.front(), 'a');
  EXPECT_NE(utf8.find('b'), std::string::npos);
  EXPECT_NE(utf8.find('c'), std::string::npos);
  EXPECT_NE(utf8.find("\xEF\xBF\xBD"), std::string::npos);
}

TEST(Encoding, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp932("a가b"), "a?b");  // Hangul is not in code page 932
  EXPECT_EQ(Utf8ToCp932("é"), "?");       // no best-fit look-alike
}

TEST(Encoding, AsciiPassesUnchanged) {
  const std::string ascii = "sl 0 0 100 0 100 100\r\n";
  EXPECT_EQ(Cp932ToUtf8(ascii), ascii);
  EXPECT_EQ(Utf8ToCp932(ascii), ascii);
}

TEST(Lines, AllThreeLineEndsEndALine) {
  const struct {
    const char* text;
    std::vector<std::string> lines;
  } cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"", {}},
      {"\r\n", {""}},
      {"no end", {"no end"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> got;
    for (auto l : SplitLines(c.text)) got.emplace_back(l);
    EXPECT_EQ(got, c.lines) << c.text;
  }
}

TEST(Lines, CharacterCounts) {
  EXPECT_EQ(CharCount("洋室ab"), 4u);
  EXPECT_EQ(FirstChars("洋室ab", 3), "洋室a");
  EXPECT_EQ(FirstChars("ab", 5), "ab");
  EXPECT_EQ(JoinCrLf({"a", "b"}), "a\r\nb\r\n");
}

}  // namespace
}  // namespace kaveta
