#include "number/decimal_division.h"

#include <string>

namespace kaveta {
namespace {

// The magnitude's digits with no leading zeros ("0" for zero), the last
// Decimals() of them after the point. Text with as many decimals as the
// figure holds rounds nothing.
std::string Magnitude(const Decimal& x, bool& negative) {
  const std::string text = x.Text(x.Decimals());
  negative = !text.empty() && text.front() == '-';
  std::string digits;
  for (const char c : text)
    if (c >= '0' && c <= '9') digits += c;
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

bool Negative(const Decimal& x) {
  bool negative = false;
  Magnitude(x, negative);
  return negative;
}

// Magnitudes with no leading zeros.
bool Less(const std::string& a, const std::string& b) {
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}

std::string Subtract(const std::string& larger, const std::string& smaller) {
  std::string out = larger;
  int borrow = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const std::size_t at = out.size() - 1 - i;
    int d =
        (out[at] - '0') - borrow - (i < smaller.size() ? smaller[smaller.size() - 1 - i] - '0' : 0);
    borrow = d < 0;
    out[at] = static_cast<char>('0' + (d + 10) % 10);
  }
  const std::size_t first = out.find_first_not_of('0');
  return first == std::string::npos ? "0" : out.substr(first);
}

std::string Doubled(const std::string& a) {
  std::string out(a.size(), '0');
  int carry = 0;
  for (std::size_t i = a.size(); i-- > 0;) {
    const int s = 2 * (a[i] - '0') + carry;
    out[i] = static_cast<char>('0' + s % 10);
    carry = s / 10;
  }
  return carry ? "1" + out : out;
}

void Increment(std::string& digits) {
  std::size_t i = digits.size();
  while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
  if (i == 0)
    digits.insert(digits.begin(), '1');
  else
    ++digits[i - 1];
}

}  // namespace

std::optional<Decimal> DivideRounded(const Decimal& a, const Decimal& b, int digits,
                                     RoundingMode mode) {
  if (b.IsZero()) return std::nullopt;
  bool negA = false, negB = false;
  std::string n = Magnitude(a, negA);
  std::string d = Magnitude(b, negB);
  // a / b × 10^digits = n × 10^(b's decimals − a's decimals + digits) / d.
  const int shift = b.Decimals() - a.Decimals() + digits;
  if (shift >= 0)
    n.append(static_cast<std::size_t>(shift), '0');
  else
    d.append(static_cast<std::size_t>(-shift), '0');
  std::string quotient, rest = "0";
  for (const char c : n) {
    rest = rest == "0" ? std::string(1, c) : rest + c;
    char q = '0';
    while (!Less(rest, d)) {
      rest = Subtract(rest, d);
      ++q;
    }
    quotient += q;
  }
  const bool up = mode == RoundingMode::Up       ? rest != "0"
                  : mode == RoundingMode::HalfUp ? !Less(Doubled(rest), d)
                                                 : false;
  if (up) Increment(quotient);
  std::string text = negA != negB ? "-" : "";
  if (digits > 0) {
    if (quotient.size() <= static_cast<std::size_t>(digits))
      quotient.insert(0, static_cast<std::size_t>(digits) + 1 - quotient.size(), '0');
    quotient.insert(quotient.size() - static_cast<std::size_t>(digits), ".");
  } else {
    quotient.append(static_cast<std::size_t>(-digits), '0');
  }
  return Decimal::Parse(text + quotient);
}

std::optional<Decimal> RatioPercent(const Decimal& numerator, const Decimal& denominator,
                                    RoundingMode mode) {
  return DivideRounded(numerator * *Decimal::Parse("100"), denominator, 2, mode);
}

int CompareDecimals(const Decimal& a, const Decimal& b) {
  const Decimal difference = a + b * *Decimal::Parse("-1");
  if (difference.IsZero()) return 0;
  return Negative(difference) ? -1 : 1;
}

}  // namespace kaveta
