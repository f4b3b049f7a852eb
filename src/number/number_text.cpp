#include "number/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "text/ascii.h"

namespace kaveta {
namespace {

// printf's "%.*g" in the form the host reads: upper-case exponent, no "-0".
char* GeneralChars(double v, int digits, char* buf) {
  if (v == 0 || std::isnan(v)) {
    *buf = '0';
    return buf + 1;
  }
  char* end = std::to_chars(buf, buf + 64, v, std::chars_format::general, digits).ptr;
  for (char* c = buf; c < end; ++c)
    if (*c == 'e') *c = 'E';
  return end;
}

// "%.15g" from the shortest digits that read back as v. With at most 15 of
// them they are the 15-digit rounding too: a double's spacing is under a
// quarter of the 15-digit grid's, so no other grid point is as near.
char* DoubleChars(double v, char* buf) {
  if (v == 0 || !std::isfinite(v)) return GeneralChars(v, 15, buf);
  char sci[64];
  const char* const sciEnd = std::to_chars(sci, sci + sizeof sci, v, std::chars_format::scientific).ptr;
  const char* p = sci;
  char* out = buf;
  if (*p == '-') *out++ = *p++;
  char d[24];
  int n = 0;
  for (; p < sciEnd && *p != 'e'; ++p)
    if (*p != '.') d[n++] = *p;
  if (n > 15) return GeneralChars(v, 15, buf);
  int x = 0;
  ++p;  // 'e'
  if (*p == '+') ++p;
  std::from_chars(p, sciEnd, x);
  if (x < -4 || x >= 15) return GeneralChars(v, 15, buf);
  if (x < 0) {
    *out++ = '0';
    *out++ = '.';
    for (int i = 0; i < -x - 1; ++i) *out++ = '0';
    std::memcpy(out, d, static_cast<std::size_t>(n));
    return out + n;
  }
  for (int i = 0; i <= x; ++i) *out++ = i < n ? d[i] : '0';
  if (n > x + 1) {
    *out++ = '.';
    std::memcpy(out, d + x + 1, static_cast<std::size_t>(n - x - 1));
    out += n - x - 1;
  }
  return out;
}

// "%.7g" of a float. A float that is a whole number of thousandths below
// 10^7 of them is that decimal exactly (times 1000 it is still exact in a
// double), so it is written without a conversion: most table places are.
char* SingleChars(float value, char* buf) {
  const double v = value;
  for (int j = 0; j <= 3; ++j) {
    constexpr double kScale[4] = {1, 10, 100, 1000};
    const double t = std::fabs(v * kScale[j]);
    if (t >= 1e7) break;
    if (t != std::floor(t) || t == 0) continue;
    const auto m = static_cast<std::uint32_t>(t);
    constexpr std::uint32_t kDiv[4] = {1, 10, 100, 1000};
    std::uint32_t whole = m / kDiv[j], part = m % kDiv[j];
    int decimals = j;
    while (decimals > 0 && part % 10 == 0) part /= 10, --decimals;
    char* out = buf;
    if (v < 0) *out++ = '-';
    out = std::to_chars(out, out + 16, whole).ptr;
    if (decimals > 0) {
      *out++ = '.';
      for (int i = decimals - 1; i >= 0; --i, part /= 10) out[i] = static_cast<char>('0' + part % 10);
      out += decimals;
    }
    return out;
  }
  return GeneralChars(v, 7, buf);
}

// Length of the longest prefix that reads as a decimal number.
std::size_t NumberPrefix(std::string_view t) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    std::size_t expDigits = 0;
    while (j < t.size() && t[j] >= '0' && t[j] <= '9') ++j, ++expDigits;
    if (expDigits > 0) i = j;
  }
  return i;
}

double ToDouble(std::string_view t) {
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  double v = 0;
  auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  (void)p;
  if (ec == std::errc::result_out_of_range) {
    // strtod saturates where from_chars refuses; copy for the terminator.
    return std::strtod(std::string(t).c_str(), nullptr);
  }
  return ec == std::errc() ? v : 0.0;
}

}  // namespace

std::string GroupThousands(const std::string& digits) {
  std::string out;
  const std::size_t n = digits.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

void AppendSingle(std::string& out, float value) {
  char buf[64];
  out.append(buf, SingleChars(value, buf));
}

void AppendDouble(std::string& out, double value) {
  char buf[64];
  out.append(buf, DoubleChars(value, buf));
}

std::string SingleText(float value) {
  std::string s;
  AppendSingle(s, value);
  return s;
}

std::string DoubleText(double value) {
  std::string s;
  AppendDouble(s, value);
  return s;
}

double LenientNumber(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  const std::size_t n = NumberPrefix(text);
  return n == 0 ? 0.0 : ToDouble(text.substr(0, n));
}

bool ParseDouble(std::string_view text, double& out) {
  text = TrimBlanks(text);
  const std::size_t n = NumberPrefix(text);
  if (n == 0 || n != text.size()) return false;
  out = ToDouble(text);
  return std::isfinite(out);
}

bool ParseInt32(std::string_view text, std::int32_t& out) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  std::int32_t v = 0;
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || p != text.data() + text.size()) return false;
  out = v;
  return true;
}

bool ParseQuantityText(std::string_view text, double& out) {
  std::string plain;
  for (char c : TrimBlanks(text))
    if (c != ',') plain += c;
  if (plain.find_first_of("0123456789") == std::string::npos) return false;
  return ParseDouble(plain, out);
}

}  // namespace kaveta
