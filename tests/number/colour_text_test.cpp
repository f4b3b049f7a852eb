#include "number/colour_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace kaveta {
namespace {

TEST(ColourText, RgbText) {
  const struct {
    std::int32_t colour;
    const char* text;
  } cases[] = {
      {16744512, "R:64 G:128 B:255"}, {0, "R:0 G:0 B:0"},       {16777215, "R:255 G:255 B:255"},
      {16777216, "R:0 G:0 B:256"},    {-1, "R:255 G:255 B:-1"}, {255, "R:255 G:0 B:0"},
  };
  for (const auto& c : cases) EXPECT_EQ(RgbText(c.colour), c.text) << c.colour;
}

TEST(ColourText, HexColourText) {
  EXPECT_EQ(HexColourText(16744512), "4080FF");
  EXPECT_EQ(HexColourText(-1), "FFFFFF");
  EXPECT_EQ(HexColourText(255), "FF0000");
  EXPECT_EQ(HexColourText(0), "000000");
}

TEST(ColourText, ParseColour) {
  const struct {
    const char* text;
    std::int32_t colour;
  } cases[] = {
      {"#4080FF", 16744512},
      {"#ff", 16711680},
      {"#", 0},
      {"#1234567", 0x674523},
      {"255", 255},
      {"-5", -5},
      {"abc", 0},
      {"#zz0000", 0},
      {"", 0},
      {"#4080ff", 16744512},
      {"12x", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseColour(c.text), c.colour) << c.text;
}

TEST(ColourText, HexColourRoundTripsThroughParseColour) {
  std::mt19937 random(7);
  std::uniform_int_distribution<std::int32_t> colour(0, 16777215);
  for (std::int32_t c : {0, 1, 255, 256, 65535, 65536, 16777214, 16777215})
    EXPECT_EQ(ParseColour("#" + HexColourText(c)), c);
  for (int i = 0; i < 20000; ++i) {
    const std::int32_t c = colour(random);
    ASSERT_EQ(ParseColour("#" + HexColourText(c)), c) << c;
  }
}

TEST(ColourText, HexDigitSlot) {
  EXPECT_EQ(HexDigitSlot("0"), 1);
  EXPECT_EQ(HexDigitSlot("9"), 10);
  EXPECT_EQ(HexDigitSlot("a"), 11);
  EXPECT_EQ(HexDigitSlot("f"), 16);
  for (const char* other : {"A", "F", "", "10", "g", " "})
    EXPECT_EQ(HexDigitSlot(other), 0) << other;
}

// The number texts take short cuts for common figures; they must still be
// printf's "%.7g" and "%.15g" to the byte, over every magnitude.
}  // namespace
}  // namespace kaveta
