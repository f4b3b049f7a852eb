#include "number/decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "number/number_text.h"
#include "text/ascii.h"

namespace kaveta {
namespace {

// Adds one to a string of decimal digits.
void Increment(std::string& digits) {
  int i = static_cast<int>(digits.size()) - 1;
  while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') digits[static_cast<std::size_t>(i--)] = '0';
  if (i < 0)
    digits.insert(digits.begin(), '1');
  else
    ++digits[static_cast<std::size_t>(i)];
}

// Magnitudes of equal length.
std::string AddDigits(const std::string& a, const std::string& b) {
  std::string out(a.size(), '0');
  int carry = 0;
  for (std::size_t i = a.size(); i-- > 0;) {
    const int s = (a[i] - '0') + (b[i] - '0') + carry;
    out[i] = static_cast<char>('0' + s % 10);
    carry = s / 10;
  }
  return carry ? "1" + out : out;
}

std::string SubtractDigits(const std::string& larger, const std::string& smaller) {
  std::string out(larger.size(), '0');
  int borrow = 0;
  for (std::size_t i = larger.size(); i-- > 0;) {
    int d = (larger[i] - '0') - (smaller[i] - '0') - borrow;
    borrow = d < 0;
    out[i] = static_cast<char>('0' + (d + 10) % 10);
  }
  return out;
}

std::string PadLeft(const std::string& digits, std::size_t size) {
  return digits.size() >= size ? digits : std::string(size - digits.size(), '0') + digits;
}

__extension__ typedef unsigned __int128 U128;  // products of two magnitudes below 10^18

constexpr int kSmallDigits = 18;
constexpr std::uint64_t kSmallLimit = 1000000000000000000u;  // 10^18
constexpr auto kPow10 = [] {
  std::array<U128, 37> p{};
  p[0] = 1;
  for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
  return p;
}();

}  // namespace

Decimal Decimal::Small(bool negative, std::uint64_t magnitude, int scale) {
  Decimal d;
  d.negative_ = negative && magnitude != 0;  // never "-0"
  d.scale_ = scale;
  d.small_ = magnitude;
  return d;
}

Decimal Decimal::Make(bool negative, std::string digits, int scale) {
  digits = PadLeft(digits, static_cast<std::size_t>(scale) + 1);
  const std::size_t first = digits.find_first_not_of('0');
  const std::size_t keep = std::min(first == std::string::npos ? digits.size() : first,
                                    digits.size() - static_cast<std::size_t>(scale) - 1);
  digits.erase(0, keep);
  if (digits.size() <= kSmallDigits && scale <= kSmallDigits) {
    std::uint64_t m = 0;
    for (const char c : digits) m = m * 10 + static_cast<std::uint64_t>(c - '0');
    return Small(negative, m, scale);
  }
  Decimal d;
  d.negative_ = negative;
  d.big_ = true;
  d.scale_ = scale;
  d.digits_ = std::move(digits);
  if (d.IsZero()) d.negative_ = false;
  return d;
}

std::string Decimal::Digits() const {
  if (big_) return digits_;
  char buf[24];
  const char* end = std::to_chars(buf, buf + sizeof buf, small_).ptr;
  return PadLeft(std::string(buf, static_cast<std::size_t>(end - buf)), static_cast<std::size_t>(scale_) + 1);
}

std::optional<Decimal> Decimal::Parse(std::string_view text) {
  std::string plain;
  for (const char c : TrimBlanks(text))
    if (c != ',') plain += c;
  std::string_view t = plain;
  bool negative = false;
  if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
    negative = t.front() == '-';
    t.remove_prefix(1);
  }
  std::string digits;
  int scale = 0;
  bool seenPoint = false;
  while (!t.empty() && ((t.front() >= '0' && t.front() <= '9') || (t.front() == '.' && !seenPoint))) {
    if (t.front() == '.')
      seenPoint = true;
    else {
      digits += t.front();
      if (seenPoint) ++scale;
    }
    t.remove_prefix(1);
  }
  if (digits.empty()) return std::nullopt;
  if (!t.empty()) {
    // An exponent moves the point; beyond a double's range it is no figure.
    if (t.front() != 'e' && t.front() != 'E') return std::nullopt;
    t.remove_prefix(1);
    bool minus = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
      minus = t.front() == '-';
      t.remove_prefix(1);
    }
    if (t.empty() || t.size() > 3 || t.find_first_not_of("0123456789") != std::string_view::npos)
      return std::nullopt;
    const int exponent = std::atoi(std::string(t).c_str());
    if (exponent > 330) return std::nullopt;
    scale += minus ? exponent : -exponent;
    if (scale < 0) {
      digits.append(static_cast<std::size_t>(-scale), '0');
      scale = 0;
    }
  }
  return Make(negative, std::move(digits), scale);
}

Decimal Decimal::FromDouble(double value) {
  // to_chars gives printf's "%.15g" digits at a fraction of its cost, which
  // counts with one conversion per triangle side.
  char buf[64];
  const char* const end = std::to_chars(buf, buf + sizeof buf, std::isfinite(value) ? value : 0.0,
                                        std::chars_format::general, 15).ptr;
  // At most 15 digits: the integer form, unless the exponent is large.
  const char* p = buf;
  const bool negative = *p == '-';
  if (negative) ++p;
  std::uint64_t m = 0;
  int decimals = 0;
  bool point = false;
  for (; p < end && (*p == '.' || (*p >= '0' && *p <= '9')); ++p) {
    if (*p == '.') {
      point = true;
      continue;
    }
    m = m * 10 + static_cast<std::uint64_t>(*p - '0');
    decimals += point;
  }
  int exponent = 0;
  if (p < end && *p == 'e') {
    ++p;
    if (p < end && *p == '+') ++p;
    p = std::from_chars(p, end, exponent).ptr;
  }
  const int scale = decimals - exponent;
  if (p == end && scale >= 0 && scale <= kSmallDigits) return Small(negative, m, scale);
  return Parse(std::string_view(buf, static_cast<std::size_t>(end - buf))).value_or(Decimal());
}

bool Decimal::IsZero() const {
  return big_ ? digits_.find_first_not_of('0') == std::string::npos : small_ == 0;
}

Decimal Decimal::operator+(const Decimal& other) const {
  const int scale = std::max(scale_, other.scale_);
  if (!big_ && !other.big_) {
    const U128 a = static_cast<U128>(small_) * kPow10[scale - scale_];
    const U128 b = static_cast<U128>(other.small_) * kPow10[scale - other.scale_];
    if (negative_ == other.negative_ && a + b < kSmallLimit)
      return Small(negative_, static_cast<std::uint64_t>(a + b), scale);
    if (negative_ != other.negative_)
      return a >= b ? Small(negative_, static_cast<std::uint64_t>(a - b), scale)
                    : Small(other.negative_, static_cast<std::uint64_t>(b - a), scale);
  }
  std::string a = Digits() + std::string(static_cast<std::size_t>(scale - scale_), '0');
  std::string b = other.Digits() + std::string(static_cast<std::size_t>(scale - other.scale_), '0');
  const std::size_t size = std::max(a.size(), b.size());
  a = PadLeft(a, size);
  b = PadLeft(b, size);
  if (negative_ == other.negative_) return Make(negative_, AddDigits(a, b), scale);
  if (a >= b) return Make(negative_, SubtractDigits(a, b), scale);
  return Make(other.negative_, SubtractDigits(b, a), scale);
}

Decimal Decimal::operator*(const Decimal& other) const {
  const int scale = scale_ + other.scale_;
  const bool negative = negative_ != other.negative_;
  if (!big_ && !other.big_ && scale <= kSmallDigits) {
    const U128 product = static_cast<U128>(small_) * other.small_;
    if (product < kSmallLimit) return Small(negative, static_cast<std::uint64_t>(product), scale);
  }
  const std::string x = Digits(), y = other.Digits();
  std::vector<int> acc(x.size() + y.size(), 0);
  for (std::size_t i = x.size(); i-- > 0;)
    for (std::size_t j = y.size(); j-- > 0;) acc[i + j + 1] += (x[i] - '0') * (y[j] - '0');
  for (std::size_t k = acc.size(); k-- > 1;) {
    acc[k - 1] += acc[k] / 10;
    acc[k] %= 10;
  }
  std::string digits;
  for (const int d : acc) digits += static_cast<char>('0' + d);
  return Make(negative, std::move(digits), scale);
}

Decimal Decimal::Half() const { return *this * Small(false, 5, 1); }

Decimal Decimal::Rounded(int digits, RoundingMode mode) const {
  if (digits >= scale_) return *this;
  const std::size_t drop = static_cast<std::size_t>(scale_ - digits);
  if (!big_) {
    // Below 10^18, beyond 18 dropped digits nothing is kept and less than a half dropped.
    const std::uint64_t p = drop <= kSmallDigits ? static_cast<std::uint64_t>(kPow10[drop]) : 0;
    std::uint64_t kept = p ? small_ / p : 0;
    const std::uint64_t rest = p ? small_ % p : small_;
    const bool up = mode == RoundingMode::HalfUp ? p && rest >= p / 2
                    : mode == RoundingMode::Up   ? rest != 0
                                                 : false;
    kept += up;
    if (digits >= 0) return Small(negative_, kept, digits);
    if (-digits <= kSmallDigits && kept * kPow10[-digits] < kSmallLimit)
      return Small(negative_, static_cast<std::uint64_t>(kept * kPow10[-digits]), 0);
  }
  const std::string all = PadLeft(Digits(), drop + 1);
  std::string kept = all.substr(0, all.size() - drop);
  const std::string dropped = all.substr(all.size() - drop);
  const bool up = mode == RoundingMode::HalfUp ? dropped[0] >= '5'
                  : mode == RoundingMode::Up   ? dropped.find_first_not_of('0') != std::string::npos
                                               : false;
  if (up) Increment(kept);
  if (digits < 0) kept += std::string(static_cast<std::size_t>(-digits), '0');
  return Make(negative_, std::move(kept), std::max(digits, 0));
}

std::string Decimal::Text(int decimals) const {
  decimals = std::max(decimals, 0);
  const Decimal r = Rounded(decimals, RoundingMode::HalfUp);
  if (!r.big_ && decimals <= kSmallDigits) {
    // Straight into the text: a breakdown shows three figures per triangle.
    const std::uint64_t p = static_cast<std::uint64_t>(kPow10[decimals - r.scale_]);
    const std::uint64_t scaled = r.small_ * p;  // below 10^18 × 10^(decimals - scale)...
    if (scaled / p == r.small_) {               // ...unless that overflows
      const std::uint64_t unit = static_cast<std::uint64_t>(kPow10[decimals]);
      char whole[24];
      const std::size_t n =
          static_cast<std::size_t>(std::to_chars(whole, whole + sizeof whole, scaled / unit).ptr - whole);
      std::string out = r.negative_ ? "-" : "";
      out += GroupThousands(std::string(whole, n));
      if (decimals > 0) {
        out += '.';
        std::uint64_t part = scaled % unit;
        out.append(static_cast<std::size_t>(decimals), '0');
        for (std::size_t i = out.size(); part > 0; part /= 10) out[--i] = static_cast<char>('0' + part % 10);
      }
      return out;
    }
  }
  std::string all = r.Digits() + std::string(static_cast<std::size_t>(decimals - r.scale_), '0');
  all = PadLeft(all, static_cast<std::size_t>(decimals) + 1);
  const std::size_t point = all.size() - static_cast<std::size_t>(decimals);
  std::string out = GroupThousands(all.substr(0, point));
  if (decimals > 0) out += "." + all.substr(point);
  if (r.negative_ && !r.IsZero()) out.insert(out.begin(), '-');
  return out;
}

}  // namespace kaveta
