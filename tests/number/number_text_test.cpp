#include "number/number_text.h"
#include "number/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <random>

namespace kaveta {
namespace {

TEST(NumberText, QuantityText) {
  const struct {
    double value;
    int decimals;
    const char* text;
  } cases[] = {
      {1234.5, 2, "1,234.50"},
      {0.125, 2, "0.13"},
      {1234567.4, 0, "1,234,567"},
      {2.5, 6, "3"},
      {0, 3, "0.000"},
      {999.95, 1, "1,000.0"},
      {2.675, 2, "2.68"},
      {1.005, 2, "1.01"},
      {-1234.5, 0, "-1,235"},
      {-0.0001, 2, "0.00"},
      {12.345, 1, "12.3"},
      {12.345, 2, "12.35"},
      {10, -1, "10"},
      {1e15, 0, "1,000,000,000,000,000"},
      {0.00005, 4, "0.0001"},
      {33.124, 3, "33.124"},
      {999999.5, 0, "1,000,000"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(QuantityText(c.value, c.decimals), c.text) << c.value << " " << c.decimals;
}

TEST(NumberText, NumberTextsAreThoseOfPrintf) {
  const auto printf = [](const char* format, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    std::string s = buf;
    for (char& c : s)
      if (c == 'e') c = 'E';
    return s == "-0" ? std::string("0") : s;
  };
  std::mt19937_64 random(20261209);
  for (int i = 0; i < 200000; ++i) {
    const double magnitude = std::pow(10.0, static_cast<int>(random() % 30) - 12);
    double v = std::uniform_real_distribution<double>(-1, 1)(random) * magnitude;
    if (i % 3 == 0) v = std::round(v * 1000) / 1000;  // a few decimals, as drawings have
    if (i % 5 == 0) v = (std::round(v) + std::round(v * 7) + std::round(v * 13)) / 3;  // centres
    const float f = static_cast<float>(v);
    ASSERT_EQ(SingleText(f), printf("%.7g", f)) << v;
    ASSERT_EQ(DoubleText(v), printf("%.15g", v)) << v;
  }
}

TEST(NumberText, NumberTextsOfOutputLines) {
  EXPECT_EQ(SingleText(24.0f), "24");
  EXPECT_EQ(SingleText(-8.5f), "-8.5");
  EXPECT_EQ(SingleText(0.25f), "0.25");
  EXPECT_EQ(SingleText(-0.0f), "0");
  EXPECT_EQ(SingleText(10.15f), "10.15");
  EXPECT_EQ(SingleText(1.0f / 3), "0.3333333");
  EXPECT_EQ(SingleText(1234567.0f), "1234567");
  EXPECT_EQ(SingleText(1e7f), "1E+07");
  EXPECT_EQ(SingleText(0.00001f), "1E-05");
  EXPECT_EQ(DoubleText(static_cast<double>(20.3f) / 2), "10.1499996185303");
  EXPECT_EQ(DoubleText(1000.0 / 3), "333.333333333333");
  EXPECT_EQ(DoubleText(-0.0), "0");
  EXPECT_EQ(DoubleText(12), "12");
}

TEST(NumberText, NumberReading) {
  EXPECT_EQ(LenientNumber(" 12.5abc"), 12.5);
  EXPECT_EQ(LenientNumber("abc"), 0);
  EXPECT_EQ(LenientNumber("-3"), -3);
  EXPECT_EQ(LenientNumber("1e3"), 1000);
  EXPECT_EQ(LenientNumber("."), 0);
  double d = 0;
  EXPECT_TRUE(ParseDouble(" 1.5 ", d));
  EXPECT_EQ(d, 1.5);
  EXPECT_FALSE(ParseDouble("1.5x", d));
  EXPECT_FALSE(ParseDouble("", d));
  std::int32_t i = 0;
  EXPECT_TRUE(ParseInt32("-2147483648", i));
  EXPECT_EQ(i, INT32_MIN);
  EXPECT_FALSE(ParseInt32("2147483648", i));
  EXPECT_FALSE(ParseInt32("1.5", i));
  EXPECT_TRUE(ParseQuantityText("1,234.5", d));
  EXPECT_EQ(d, 1234.5);
  EXPECT_FALSE(ParseQuantityText("-", d));
  EXPECT_FALSE(ParseQuantityText("", d));
}

}  // namespace
}  // namespace kaveta
