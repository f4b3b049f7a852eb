// The one rounding of figures to the chosen digits, and the quantity texts
// built on it. Every figure the window shows or the table prints is brought
// to its digits here.
#pragma once

#include <string>

#include "number/decimal.h"

namespace kaveta {

inline constexpr const char* kRoundingCaptions[3] = {"四捨五入", "切り捨て", "切り上げ"};

// The stored code (0, 1, 2); anything else is the default, half up.
inline RoundingMode RoundingModeFromCode(int code) {
  return code == 1 ? RoundingMode::Down : code == 2 ? RoundingMode::Up : RoundingMode::HalfUp;
}

// A measured figure rounded to `digits` decimals (negative: to tens,
// hundreds...). HalfUp is floor(x * 10^d + 0.5) / 10^d with its binary
// quirks, as the quantities have always been rounded; Down and Up first
// round x * 10^d to 6 decimals, so a figure that is on a boundary in
// decimal but a hair off it in binary counts as on it, then cut towards or
// away from zero.
double Round(double value, int digits, RoundingMode mode);
// An exact figure rounded to `digits` decimals; halves go away from zero.
inline Decimal Round(const Decimal& value, int digits, RoundingMode mode) {
  return value.Rounded(digits, mode);
}

// Decimals the quantity format shows for a digit count: 1 to 4, else none.
int ShownDecimals(int digits);

// The quantity format: thousands separators and the shown decimals of
// `digits`, halves rounded away from zero on the value's 15-significant-
// digit form, so 2.675 (stored as 2.67499999...) rounds up like the text it
// was typed as.
std::string QuantityText(double value, int digits);
std::string QuantityText(const Decimal& value, int digits);

// A measured figure as the quantity boxes show it: rounded by the mode,
// then in the quantity format.
std::string RoundedQuantityText(double value, int digits, RoundingMode mode);

}  // namespace kaveta
