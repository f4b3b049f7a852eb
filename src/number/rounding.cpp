#include "number/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kaveta {

double Round(double value, int digits, RoundingMode mode) {
  // Beyond 15 digits a double has nothing left to round, and 10^d must stay
  // finite for any count a caller passes.
  const double scale = std::pow(10.0, std::clamp(digits, -15, 15));
  if (mode == RoundingMode::HalfUp) return std::floor(value * scale + 0.5) / scale;
  const double v = value * scale;
  if (!std::isfinite(v)) return value;
  char buf[400];  // "%.6f" of the largest double needs 317 characters
  std::snprintf(buf, sizeof buf, "%.6f", std::fabs(v));
  const char* point = std::strchr(buf, '.');
  double whole = std::strtod(std::string(buf, static_cast<std::size_t>(point - buf)).c_str(), nullptr);
  const bool fraction = std::strspn(point + 1, "0") < std::strlen(point + 1);
  if (mode == RoundingMode::Up && fraction) whole += 1;
  if (whole == 0) return 0.0;
  return (v < 0 ? -whole : whole) / scale;
}

int ShownDecimals(int digits) { return digits >= 1 && digits <= 4 ? digits : 0; }

std::string QuantityText(const Decimal& value, int digits) {
  return value.Text(ShownDecimals(digits));
}

// FromDouble takes the 15-significant-digit form, which decides halves.
std::string QuantityText(double value, int digits) {
  return QuantityText(Decimal::FromDouble(value), digits);
}

std::string RoundedQuantityText(double value, int digits, RoundingMode mode) {
  return QuantityText(Round(value, digits, mode), digits);
}

}  // namespace kaveta
