// Exact decimal arithmetic on the figures as shown, so that printed sums
// equal the sums of the printed figures.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kaveta {

// Stored as 0, 1, 2 under "Hasuu"; the list shows them in this order.
enum class RoundingMode { HalfUp = 0, Down = 1, Up = 2 };  // 四捨五入, 切り捨て, 切り上げ

// A decimal number: sums and products are exact. Magnitudes below 10^18
// with at most 18 decimals, which is every figure a drawing gives, are held
// as an integer; larger ones as their digits.
class Decimal {
 public:
  Decimal() = default;
  // A quantity text as shown: blanks around it, thousands separators, a
  // sign, a point, an exponent. Empty for anything else.
  static std::optional<Decimal> Parse(std::string_view text);
  // A double's 15-significant-digit form, the form the quantity format
  // rounds on; 0 for a value that is not finite.
  static Decimal FromDouble(double value);

  int Decimals() const { return scale_; }
  bool IsZero() const;
  Decimal operator+(const Decimal& other) const;
  Decimal operator*(const Decimal& other) const;
  Decimal Half() const;  // exact: one decimal more
  // Rounded to `digits` decimals by the mode; halves go away from zero.
  // Callers use Round() of number/rounding.h, the one rounding of figures.
  Decimal Rounded(int digits, RoundingMode mode) const;
  // Thousands separators and exactly `decimals` decimals (halves away from
  // zero when it holds more); never "-0".
  std::string Text(int decimals) const;

 private:
  // Trims leading zeros and takes the integer form when it fits.
  static Decimal Make(bool negative, std::string digits, int scale);
  static Decimal Small(bool negative, std::uint64_t magnitude, int scale);
  // The magnitude's digits, at least `scale_` + 1 of them, the last
  // `scale_` after the point.
  std::string Digits() const;

  bool negative_ = false;
  bool big_ = false;
  int scale_ = 0;
  std::uint64_t small_ = 0;  // the magnitude × 10^scale_ unless big_
  std::string digits_;       // big_: as Digits() gives them
};

}  // namespace kaveta
