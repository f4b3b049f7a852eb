#include <windows.h>

#include "platform/encoding.h"

namespace kaveta {
namespace {

bool IsAscii(std::string_view s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

std::wstring Widen(std::string_view in, UINT codePage) {
  if (in.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, in.data(), static_cast<int>(in.size()), nullptr, 0);
  std::wstring w(n, L'\0');
  MultiByteToWideChar(codePage, 0, in.data(), static_cast<int>(in.size()), w.data(), n);
  return w;
}

std::string Narrow(const std::wstring& w, UINT codePage) {
  if (w.empty()) return {};
  const int n = WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

}  // namespace

// Code page 932 turns a byte it cannot map into U+30FB or U+FFFD depending on
// the system; the tests only require that no byte is lost silently.
std::string Cp932ToUtf8(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  return Narrow(Widen(cp932, 932), CP_UTF8);
}

std::string Utf8ToCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return Narrow(Widen(utf8, CP_UTF8), 932);
}

}  // namespace kaveta
