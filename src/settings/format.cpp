#include "settings/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kaveta {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

struct Channels {
  std::int64_t r, g, b;
};

// Floor division, not masks: blue keeps whatever lies above the low 24 bits.
Channels Split(std::int32_t colour) {
  const std::int64_t c = colour;
  return {c - 256 * FloorDiv(c, 256), FloorDiv(c - 65536 * FloorDiv(c, 65536), 256),
          FloorDiv(c, 65536)};
}

std::string HexPair(std::int64_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "00%X", static_cast<unsigned>(static_cast<std::uint32_t>(v)));
  std::string s(buf);
  return s.substr(s.size() - 2);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

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

std::string_view TrimBlanks(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  return t;
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

std::string RgbText(std::int32_t colour) {
  const Channels ch = Split(colour);
  return "R:" + std::to_string(ch.r) + " G:" + std::to_string(ch.g) + " B:" + std::to_string(ch.b);
}

std::string HexColourText(std::int32_t colour) {
  const Channels ch = Split(colour);
  return HexPair(ch.r) + HexPair(ch.g) + HexPair(ch.b);
}

std::int32_t ParseColour(std::string_view text) {
  if (text.empty() || text.front() != '#') {
    std::int32_t v = 0;
    return ParseInt32(text, v) ? v : 0;
  }
  std::string code = "00000" + std::string(text.substr(1));
  code = code.substr(code.size() - (text.size() == 1 ? 5 : 6));
  std::int32_t channel[3] = {0, 0, 0};
  for (int i = 0; i < 3; ++i) {
    const std::size_t at = static_cast<std::size_t>(i) * 2;
    std::string pair = code.substr(std::min(at, code.size()), 2);
    if (pair.empty()) continue;
    int value = 0;
    for (char c : pair) {
      const int h = HexValue(c);
      if (h < 0) return 0;
      value = value * 16 + h;
    }
    channel[i] = value;
  }
  return channel[0] + 256 * channel[1] + 65536 * channel[2];
}

std::string FormatQuantity(double value, int decimals) {
  const int d = (decimals >= 1 && decimals <= 4) ? decimals : 0;
  if (!std::isfinite(value)) value = 0;
  const bool negative = value < 0;
  // The 15-significant-digit decimal form decides the rounding, so 2.675
  // (stored as 2.67499999...) still rounds up like the text it was typed as.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  std::string digits;
  digits += buf[0];
  digits.append(buf + 2, 14);
  const int exponent = std::atoi(std::strchr(buf, 'e') + 1);
  const int point = exponent + 1;  // digits before the decimal point
  std::string intPart, frac;
  if (point <= 0) {
    intPart = "0";
    frac = std::string(static_cast<std::size_t>(-point), '0') + digits;
  } else if (point >= 15) {
    intPart = digits + std::string(static_cast<std::size_t>(point - 15), '0');
  } else {
    intPart = digits.substr(0, static_cast<std::size_t>(point));
    frac = digits.substr(static_cast<std::size_t>(point));
  }
  if (frac.size() < static_cast<std::size_t>(d) + 1)
    frac.resize(static_cast<std::size_t>(d) + 1, '0');
  const bool up = frac[static_cast<std::size_t>(d)] >= '5';
  std::string kept = intPart + frac.substr(0, static_cast<std::size_t>(d));
  if (up) {
    int i = static_cast<int>(kept.size()) - 1;
    while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
      kept[static_cast<std::size_t>(i--)] = '0';
    if (i < 0)
      kept.insert(kept.begin(), '1');
    else
      ++kept[static_cast<std::size_t>(i)];
  }
  std::string whole = kept.substr(0, kept.size() - static_cast<std::size_t>(d));
  const std::string fraction = kept.substr(kept.size() - static_cast<std::size_t>(d));
  const std::size_t firstNonZero = whole.find_first_not_of('0');
  whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);
  std::string out = GroupThousands(whole);
  if (d > 0) out += "." + fraction;
  if (negative && kept.find_first_not_of('0') != std::string::npos) out.insert(out.begin(), '-');
  return out;
}

int HexDigitSlot(std::string_view digit) {
  if (digit.size() != 1) return 0;
  const char c = digit[0];
  if (c >= '0' && c <= '9') return c - '0' + 1;
  if (c >= 'a' && c <= 'f') return c - 'a' + 11;
  return 0;
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
