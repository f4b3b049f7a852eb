#include "platform/win32/clipboard_win32.h"

#include <cstring>

#include "platform/win32/message_box_win32.h"

namespace kaveta {
namespace {

constexpr int kOpenTries = 5;
constexpr DWORD kOpenPause = 50;
constexpr UINT kShiftJis = 932;
constexpr LCID kJapanese = 0x0411;

const char kNotCopied[] =
    "クリップボードを使えないため、表をコピーできませんでした。\r\n"
    "他のプログラムがクリップボードを使っていないか確かめてください。\r\n"
    "図面への書き込みはこのまま続けます。";

const char kPictureNotCopied[] =
    "クリップボードを使えないため、画像をコピーできませんでした。\r\n"
    "他のプログラムがクリップボードを使っていないか確かめてください。";

// Clipboard data must live in movable global memory that the clipboard
// then owns.
HGLOBAL GlobalCopy(const void* bytes, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return nullptr;
  void* target = GlobalLock(memory);
  if (!target) {
    GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(memory);
  return memory;
}

bool Put(UINT format, const void* bytes, std::size_t size) {
  HGLOBAL memory = GlobalCopy(bytes, size);
  if (!memory) return false;
  if (SetClipboardData(format, memory)) return true;
  GlobalFree(memory);
  return false;
}

std::string ToShiftJis(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(kShiftJis, 0, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string s(n, '\0');
  WideCharToMultiByte(kShiftJis, 0, wide.data(), static_cast<int>(wide.size()), s.data(), n,
                      nullptr, nullptr);
  return s;
}

}  // namespace

bool Win32Clipboard::Open() {
  for (int i = 0; i < kOpenTries; ++i) {
    if (i > 0) Sleep(kOpenPause);
    if (OpenClipboard(owner_)) return true;
  }
  return false;
}

bool Win32Clipboard::SetBitmap(HBITMAP bitmap) {
  if (!Open()) {
    ShowMessageWin32(kPictureNotCopied, MsgIcon::Exclamation, MsgButtons::Ok, {owner_, false});
    return false;
  }
  EmptyClipboard();
  const bool taken = SetClipboardData(CF_BITMAP, bitmap) != nullptr;
  CloseClipboard();
  return taken;
}

void Win32Clipboard::SetText(const std::string& text) {
  if (!Open()) {
    ShowMessageWin32(kNotCopied, MsgIcon::Exclamation, MsgButtons::Ok, {owner_, false});
    return;
  }
  EmptyClipboard();
  const std::wstring wide = Utf8ToWide(text);
  const std::string sjis = ToShiftJis(wide);
  // Both with their terminating NUL. The locale tells readers that convert
  // between the two which code page the narrow text is in.
  bool ok = Put(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  ok = Put(CF_TEXT, sjis.c_str(), sjis.size() + 1) && ok;
  Put(CF_LOCALE, &kJapanese, sizeof kJapanese);
  CloseClipboard();
  if (!ok) ShowMessageWin32(kNotCopied, MsgIcon::Exclamation, MsgButtons::Ok, {owner_, false});
}

}  // namespace kaveta
