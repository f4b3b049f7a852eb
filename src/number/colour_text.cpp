#include "number/colour_text.h"

#include <algorithm>
#include <cstdio>

#include "number/number_text.h"
#include "text/ascii.h"

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

}  // namespace

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
      const int h = HexDigitValue(c);
      if (h < 0) return 0;
      value = value * 16 + h;
    }
    channel[i] = value;
  }
  return channel[0] + 256 * channel[1] + 65536 * channel[2];
}

int HexDigitSlot(std::string_view digit) {
  if (digit.size() != 1) return 0;
  const char c = digit[0];
  if (c >= '0' && c <= '9') return c - '0' + 1;
  if (c >= 'a' && c <= 'f') return c - 'a' + 11;
  return 0;
}

}  // namespace kaveta
