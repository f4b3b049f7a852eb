#include <iconv.h>

#include <cerrno>

#include "platform/encoding.h"
#include "text/ascii.h"

namespace kaveta {
namespace {

// Converts with iconv; a byte sequence iconv refuses is replaced and skipped
// (one input unit at a time) so that bad bytes never end the conversion.
std::string Convert(const char* to, const char* from, std::string_view in,
                    std::string_view replacement, std::size_t badUnit) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  std::string out;
  out.reserve(in.size() * 3 / 2 + 8);
  char buffer[4096];
  char* src = const_cast<char*>(in.data());
  std::size_t left = in.size();
  while (left > 0) {
    char* dst = buffer;
    std::size_t room = sizeof buffer;
    const std::size_t rc = iconv(cd, &src, &left, &dst, &room);
    out.append(buffer, dst - buffer);
    if (rc != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL (cut sequence at the end): replace one unit.
    std::size_t skip = badUnit;
    if (badUnit == 0) {  // UTF-8 input: skip a whole character.
      skip = 1;
      while (skip < left && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80) ++skip;
    }
    if (skip > left) skip = left;
    src += skip;
    left -= skip;
    out += replacement;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  return Convert("UTF-8", "CP932", cp932, "\xEF\xBF\xBD", 1);
}

std::string Utf8ToCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return Convert("CP932", "UTF-8", utf8, "?", 0);
}

}  // namespace kaveta
