#include "number/rounding.h"

#include <gtest/gtest.h>

#include "number/number_text.h"

namespace kaveta {
namespace {

struct RoundCase {
  double value;
  int digits;
  const char* halfUp;
  const char* down;
  const char* up;
};

// Shown as the quantity format shows them, which is what the user reads.
TEST(Rounding, ModesAtTheBoundaries) {
  const RoundCase cases[] = {
      {12.34, 2, "12.34", "12.34", "12.34"},
      // 1234 mm x 10 mm: a hair off 12.34 in binary; cut or raised it stays.
      {1234.0 * 10.0 / 1000.0 / 1000.0 * 1000.0, 2, "12.34", "12.34", "12.34"},
      {0.1 * 3, 1, "0.3", "0.3", "0.3"},  // 0.30000000000000004
      {12.345, 2, "12.35", "12.34", "12.35"},
      {0.001, 2, "0.00", "0.00", "0.01"},
      {1234.5, -1, "1,230", "1,230", "1,240"},
      {1.005, 2, "1.00", "1.00", "1.01"},  // half up keeps its binary quirk
      {-12.345, 2, "-12.34", "-12.34", "-12.35"},
      {0.0, 2, "0.00", "0.00", "0.00"},
  };
  for (const RoundCase& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(QuantityText(Round(c.value, c.digits, RoundingMode::HalfUp), c.digits),
              c.halfUp);
    EXPECT_EQ(QuantityText(Round(c.value, c.digits, RoundingMode::Down), c.digits),
              c.down);
    EXPECT_EQ(QuantityText(Round(c.value, c.digits, RoundingMode::Up), c.digits), c.up);
  }
}

TEST(Decimal, ParsesWhatTheQuantityBoxesShow) {
  const std::pair<const char*, const char*> cases[] = {
      {"1,234.50", "1,234.50"}, {" -0.5 ", "-0.50"}, {"+3", "3.00"}, {"1e3", "1,000.00"},
      {"2.5E-1", "0.25"},       {"-0.00", "0.00"},   {".5", "0.50"},
  };
  for (const auto& [text, shown] : cases) {
    const auto d = Decimal::Parse(text);
    ASSERT_TRUE(d) << text;
    EXPECT_EQ(d->Text(2), shown) << text;
  }
  for (const char* bad : {"", "-", "m^2", "1.2.3", "1e", "12a", "1e999"})
    EXPECT_FALSE(Decimal::Parse(bad)) << bad;
}

TEST(Decimal, SumsProductsAndRoundingAreExact) {
  const auto D = [](const char* t) { return *Decimal::Parse(t); };
  // Binary addition gives 0.9999999999999999, which a cut makes 0.
  EXPECT_EQ((D("0.7") + D("0.1") + D("0.2")).Rounded(0, RoundingMode::Down).Text(0), "1");
  EXPECT_EQ((D("0.10") + D("0.20")).Text(2), "0.30");
  EXPECT_EQ((D("5.00") + D("-7.25")).Text(2), "-2.25");
  EXPECT_EQ((D("1.005") * D("1.005")).Text(6), "1.010025");
  EXPECT_EQ((D("12.345") * D("6.789")).Half().Text(7), "41.9051025");
  EXPECT_EQ(D("99.995").Rounded(2, RoundingMode::HalfUp).Text(2), "100.00");
  EXPECT_EQ(D("-12.341").Rounded(2, RoundingMode::Up).Text(2), "-12.35");
  EXPECT_EQ(D("1,234.5").Rounded(-1, RoundingMode::Down).Text(0), "1,230");
  EXPECT_EQ(D("1,234.5").Rounded(-1, RoundingMode::Up).Text(0), "1,240");
  EXPECT_EQ(D("-0.004").Rounded(2, RoundingMode::Down).Text(2), "0.00");
}

// Figures are held as integers below 10^18 and as digits above: results
// that cross the border either way stay exact.
TEST(Decimal, StaysExactAcrossTheIntegerBorder) {
  const auto D = [](const char* t) { return *Decimal::Parse(t); };
  const std::pair<Decimal, const char*> cases[] = {
      {D("999999999999999999") + D("1"), "1,000,000,000,000,000,000"},
      {D("999999999.999999999") * D("1000000000"), "999,999,999,999,999,999.000000000"},
      {D("1000000000000000000.5") + D("-1000000000000000000"), "0.5"},
      {D("12345678901234567890.55").Rounded(1, RoundingMode::HalfUp), "12,345,678,901,234,567,890.6"},
      {D("12345678901234567890.55").Rounded(-3, RoundingMode::Down), "12,345,678,901,234,567,000"},
      {D("999999999999999999").Rounded(-1, RoundingMode::Up), "1,000,000,000,000,000,000"},
      {D("1e-20") + D("1"), "1.00000000000000000001"},
      {D("1000000000000000001").Half(), "500,000,000,000,000,000.5"},
      {D("-0.000000000000000000001").Rounded(3, RoundingMode::Up), "-0.001"},
      {D("0.0000000000000000004").Rounded(0, RoundingMode::HalfUp), "0"},
      {D("999999999999999.999"), "999,999,999,999,999.999000"},
      {D("-0.05"), "-0.0500"},
      {Decimal::FromDouble(1e20), "100,000,000,000,000,000,000"},
      {Decimal::FromDouble(-1.5e-5), "-0.000015"},
      {Decimal::FromDouble(-0.0), "0"},
  };
  for (const auto& [d, shown] : cases) {
    const std::string_view s = shown;
    const std::size_t point = s.find('.');
    EXPECT_EQ(d.Text(point == s.npos ? 0 : static_cast<int>(s.size() - point - 1)), shown);
  }
}

}  // namespace
}  // namespace kaveta
