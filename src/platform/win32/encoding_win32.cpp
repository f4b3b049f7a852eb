#include <windows.h>

#include "platform/encoding.h"
#include "text/ascii.h"

namespace kaveta {
namespace {

std::wstring Widen(std::string_view in, UINT codePage) {
  if (in.empty()) return {};
  const int n =
      MultiByteToWideChar(codePage, 0, in.data(), static_cast<int>(in.size()), nullptr, 0);
  std::wstring w(n, L'\0');
  MultiByteToWideChar(codePage, 0, in.data(), static_cast<int>(in.size()), w.data(), n);
  return w;
}

// No best-fit mapping: a character 932 lacks becomes "?" rather than a
// look-alike, as in the POSIX build.
std::string Narrow(const std::wstring& w, UINT codePage) {
  if (w.empty()) return {};
  const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int n = WideCharToMultiByte(codePage, flags, w.data(), static_cast<int>(w.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(codePage, flags, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

}  // namespace

// Windows would turn a byte it cannot map into U+30FB; like the POSIX build,
// make each such byte U+FFFD instead, so both builds read bad input alike.
std::string Cp932ToUtf8(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  const int strict = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, cp932.data(),
                                         static_cast<int>(cp932.size()), nullptr, 0);
  if (strict > 0) return Narrow(Widen(cp932, 932), CP_UTF8);
  std::wstring wide;
  std::size_t i = 0;
  while (i < cp932.size()) {
    const unsigned char c = static_cast<unsigned char>(cp932[i]);
    if (c < 0x80) {
      wide += static_cast<wchar_t>(c);
      ++i;
      continue;
    }
    wchar_t out[2];
    const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    const int width = lead && i + 1 < cp932.size() ? 2 : 1;
    const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, cp932.data() + i, width, out, 2);
    if (n > 0) {
      wide.append(out, static_cast<std::size_t>(n));
      i += static_cast<std::size_t>(width);
    } else {
      wide += L'\xFFFD';
      ++i;
    }
  }
  return Narrow(wide, CP_UTF8);
}

std::string Utf8ToCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return Narrow(Widen(utf8, CP_UTF8), 932);
}

}  // namespace kaveta
