#include "number/decimal_division.h"

#include <gtest/gtest.h>

namespace kaveta {
namespace {

Decimal D(const char* text) { return *Decimal::Parse(text); }

struct DivideCase {
  const char* a;
  const char* b;
  int digits;
  const char* halfUp;
  const char* down;
  const char* up;
};

TEST(DivideRounded, RoundsTheExactQuotientOnceByEachMode) {
  const DivideCase cases[] = {
      {"1", "3", 2, "0.33", "0.33", "0.34"},
      {"2", "3", 2, "0.67", "0.66", "0.67"},
      // Exactly on a half: 0.125.
      {"1", "8", 2, "0.13", "0.12", "0.13"},
      // One short of a half in the third decimal after many digits.
      {"1249999999", "10000000000", 2, "0.12", "0.12", "0.13"},
      // No remainder: every mode the same.
      {"110.00", "200.00", 4, "0.5500", "0.5500", "0.5500"},
      // Away from / towards zero, not up / down.
      {"-1", "3", 2, "-0.33", "-0.33", "-0.34"},
      {"1", "-8", 2, "-0.13", "-0.12", "-0.13"},
      {"-0.001", "3", 2, "0.00", "0.00", "-0.01"},
      // Decimals on either side; tens.
      {"0.5", "0.004", 1, "125.0", "125.0", "125.0"},
      {"1,234", "0.1", -1, "12,340", "12,340", "12,340"},
      {"1,235", "1", -1, "1,240", "1,230", "1,240"},
      // Beyond the integer form of a Decimal.
      {"100000000000000000000", "3", 2, "33,333,333,333,333,333,333.33",
       "33,333,333,333,333,333,333.33", "33,333,333,333,333,333,333.34"},
  };
  for (const DivideCase& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + c.b);
    const int shown = c.digits > 0 ? c.digits : 0;
    EXPECT_EQ(DivideRounded(D(c.a), D(c.b), c.digits, RoundingMode::HalfUp)->Text(shown), c.halfUp);
    EXPECT_EQ(DivideRounded(D(c.a), D(c.b), c.digits, RoundingMode::Down)->Text(shown), c.down);
    EXPECT_EQ(DivideRounded(D(c.a), D(c.b), c.digits, RoundingMode::Up)->Text(shown), c.up);
  }
  EXPECT_FALSE(DivideRounded(D("1"), D("0.00"), 2, RoundingMode::Up));
}

// The ratios of the summary: binary division lands a hair off these and a
// cut or a raise then gives the wrong hundredth.
TEST(RatioPercent, IsExactWhereBinaryIsNot) {
  ASSERT_NE(110.0 / 200.0 * 100.0, 55.0);  // 55.00000000000001
  ASSERT_NE(114.0 / 200.0 * 100.0, 57.0);  // 56.99999999999999
  const struct {
    const char* part;
    const char* site;
    RoundingMode mode;
    const char* percent;
  } cases[] = {
      {"110.00", "200.00", RoundingMode::Up, "55.00"},
      {"114.00", "200.00", RoundingMode::Down, "57.00"},
      {"0.07", "1", RoundingMode::Down, "7.00"},  // 7.000000000000001
      // On the half of a hundredth: 110.01 / 200 = 55.005 %.
      {"110.01", "200.00", RoundingMode::HalfUp, "55.01"},
      {"110.01", "200.00", RoundingMode::Down, "55.00"},
      {"110.01", "200.00", RoundingMode::Up, "55.01"},
      {"25,000", "1,000", RoundingMode::Up, "2,500.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.part) + " / " + c.site);
    EXPECT_EQ(RatioPercent(D(c.part), D(c.site), c.mode)->Text(2), c.percent);
  }
  EXPECT_FALSE(RatioPercent(D("1"), D("0"), RoundingMode::Up));
}

TEST(CompareDecimals, OrdersBySignAndMagnitude) {
  const struct {
    const char* a;
    const char* b;
    int order;
  } cases[] = {
      {"50.00", "50", 0},
      {"49.99", "50", -1},
      {"50.001", "50", 1},
      {"-1", "0", -1},
      {"0", "-0.01", 1},
      {"-2", "-1", -1},
      {"1e20", "99999999999999999999.9", 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CompareDecimals(D(c.a), D(c.b)), c.order) << c.a << " vs " << c.b;
}

}  // namespace
}  // namespace kaveta
