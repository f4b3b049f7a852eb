#include "settings/rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "settings/format.h"

namespace kaveta {
namespace {

std::string_view Trimmed(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  return t;
}

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

}  // namespace

double RoundQuantity(double value, int digits, RoundingMode mode) {
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

std::optional<Decimal> Decimal::Parse(std::string_view text) {
  std::string plain;
  for (const char c : Trimmed(text))
    if (c != ',') plain += c;
  std::string_view t = plain;
  Decimal d;
  if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
    d.negative_ = t.front() == '-';
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
  d.digits_ = PadLeft(digits, static_cast<std::size_t>(scale) + 1);
  d.scale_ = scale;
  const std::size_t first = d.digits_.find_first_not_of('0');
  const std::size_t keep = std::min(first == std::string::npos ? d.digits_.size() : first,
                                    d.digits_.size() - static_cast<std::size_t>(scale) - 1);
  d.digits_.erase(0, keep);
  if (d.IsZero()) d.negative_ = false;
  return d;
}

Decimal Decimal::FromDouble(double value) {
  // to_chars gives printf's "%.15g" digits at a fraction of its cost, which
  // counts with one conversion per triangle side.
  char buf[64];
  const auto end = std::to_chars(buf, buf + sizeof buf, std::isfinite(value) ? value : 0.0,
                                 std::chars_format::general, 15).ptr;
  return Parse(std::string_view(buf, static_cast<std::size_t>(end - buf))).value_or(Decimal());
}

bool Decimal::IsZero() const { return digits_.find_first_not_of('0') == std::string::npos; }

Decimal Decimal::operator+(const Decimal& other) const {
  const int scale = std::max(scale_, other.scale_);
  std::string a = digits_ + std::string(static_cast<std::size_t>(scale - scale_), '0');
  std::string b = other.digits_ + std::string(static_cast<std::size_t>(scale - other.scale_), '0');
  const std::size_t size = std::max(a.size(), b.size());
  a = PadLeft(a, size);
  b = PadLeft(b, size);
  Decimal sum;
  sum.scale_ = scale;
  if (negative_ == other.negative_) {
    sum.digits_ = AddDigits(a, b);
    sum.negative_ = negative_;
  } else if (a >= b) {
    sum.digits_ = SubtractDigits(a, b);
    sum.negative_ = negative_;
  } else {
    sum.digits_ = SubtractDigits(b, a);
    sum.negative_ = other.negative_;
  }
  const std::size_t first = sum.digits_.find_first_not_of('0');
  const std::size_t limit = sum.digits_.size() - static_cast<std::size_t>(scale) - 1;
  sum.digits_.erase(0, std::min(first == std::string::npos ? limit : first, limit));
  if (sum.IsZero()) sum.negative_ = false;
  return sum;
}

Decimal Decimal::operator*(const Decimal& other) const {
  std::vector<int> acc(digits_.size() + other.digits_.size(), 0);
  for (std::size_t i = digits_.size(); i-- > 0;)
    for (std::size_t j = other.digits_.size(); j-- > 0;)
      acc[i + j + 1] += (digits_[i] - '0') * (other.digits_[j] - '0');
  for (std::size_t k = acc.size(); k-- > 1;) {
    acc[k - 1] += acc[k] / 10;
    acc[k] %= 10;
  }
  Decimal product;
  product.digits_.clear();
  for (const int d : acc) product.digits_ += static_cast<char>('0' + d);
  product.scale_ = scale_ + other.scale_;
  product.negative_ = negative_ != other.negative_;
  return product + Decimal();  // trims the leading zeros, never "-0"
}

Decimal Decimal::Half() const { return *this * *Parse("0.5"); }

Decimal Decimal::Rounded(int digits, RoundingMode mode) const {
  if (digits >= scale_) return *this;
  const std::size_t drop = static_cast<std::size_t>(scale_ - digits);
  const std::string all = PadLeft(digits_, drop + 1);
  std::string kept = all.substr(0, all.size() - drop);
  const std::string dropped = all.substr(all.size() - drop);
  const bool up = mode == RoundingMode::HalfUp ? dropped[0] >= '5'
                  : mode == RoundingMode::Up   ? dropped.find_first_not_of('0') != std::string::npos
                                               : false;
  if (up) Increment(kept);
  Decimal r;
  r.negative_ = negative_;
  r.scale_ = std::max(digits, 0);
  r.digits_ = digits < 0 ? kept + std::string(static_cast<std::size_t>(-digits), '0') : kept;
  return r + Decimal();
}

std::string Decimal::Text(int decimals) const {
  decimals = std::max(decimals, 0);
  const Decimal r = Rounded(decimals, RoundingMode::HalfUp);
  std::string all =
      r.digits_ + std::string(static_cast<std::size_t>(decimals - r.scale_), '0');
  all = PadLeft(all, static_cast<std::size_t>(decimals) + 1);
  const std::size_t point = all.size() - static_cast<std::size_t>(decimals);
  std::string out = GroupThousands(all.substr(0, point));
  if (decimals > 0) out += "." + all.substr(point);
  if (r.negative_ && !r.IsZero()) out.insert(out.begin(), '-');
  return out;
}

double Decimal::Value() const {
  std::string text = digits_;
  if (scale_ > 0) text.insert(text.size() - static_cast<std::size_t>(scale_), ".");
  const double v = std::strtod(text.c_str(), nullptr);
  return negative_ ? -v : v;
}

}  // namespace kaveta
