#include "platform/encoding.h"

#include <gtest/gtest.h>

#include <random>

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

// Line ends are found a word at a time: against a byte-by-byte walk, with
// the bytes next to CR and LF that a word test could take for them.
TEST(Lines, CursorFindsEveryLineEndAndEveryHighByte) {
  const char alphabet[] = {'\r', '\n', '\0', '\x01', '\x0b', '\x0c', '\x0e', 'a',
                           ' ',   '\x80', '\x8a', '\x8d', '\xff', '\x8c', '\x09'};
  std::mt19937 random(42);
  for (int i = 0; i < 100000; ++i) {
    std::string text(random() % 40, ' ');
    for (char& c : text) c = alphabet[random() % sizeof alphabet];
    std::vector<std::pair<std::string, bool>> want, got;
    for (std::size_t at = 0; at < text.size();) {
      std::size_t end = at;
      bool ascii = true;
      for (; end < text.size() && text[end] != '\r' && text[end] != '\n'; ++end)
        ascii = ascii && static_cast<unsigned char>(text[end]) < 0x80;
      want.emplace_back(text.substr(at, end - at), ascii);
      at = end + (end < text.size() && text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    LineCursor cursor(text);
    std::string_view line;
    bool ascii = false;
    while (cursor.Next(line, ascii)) got.emplace_back(std::string(line), ascii);
    ASSERT_EQ(got, want) << i;
  }
}

TEST(Lines, CharacterCounts) {
  EXPECT_EQ(CharCount("洋室ab"), 4u);
  EXPECT_EQ(FirstChars("洋室ab", 3), "洋室a");
  EXPECT_EQ(FirstChars("ab", 5), "ab");
}

}  // namespace
}  // namespace kaveta
