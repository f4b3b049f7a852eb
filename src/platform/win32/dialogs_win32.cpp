#include "platform/win32/dialogs_win32.h"

#include <windows.h>
// commdlg.h needs the types windows.h defines first.
#include <commdlg.h>

#include <array>
#include <cstring>
#include <string_view>

#include "platform/encoding.h"

namespace kaveta {
namespace {

// File name and file title buffers: 255 bytes, so at most 254 of name.
constexpr DWORD kFileBuffer = 255;

// Converts each NUL-separated piece on its own (filters, multi-select
// results), so a NUL never reaches the converter.
template <typename Convert>
std::string ConvertPieces(std::string_view text, Convert convert) {
  std::string out;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t nul = text.find('\0', start);
    const std::size_t end = nul == std::string_view::npos ? text.size() : nul;
    out += convert(text.substr(start, end - start));
    if (nul == std::string_view::npos) break;
    out += '\0';
    start = nul + 1;
  }
  return out;
}

// Null for a text that is empty up to its first NUL: the dialog's own default.
const char* OrNull(const std::string& s) { return s.empty() || s[0] == '\0' ? nullptr : s.c_str(); }

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// At most limit bytes, never half a double-byte character.
std::size_t CutLength(std::string_view s, std::size_t limit) {
  std::size_t end = 0;
  while (end < s.size()) {
    const std::size_t n = IsLeadByte(static_cast<unsigned char>(s[end])) ? 2 : 1;
    if (end + n > limit) break;
    end += n;
  }
  return end;
}

}  // namespace

bool ShowFileDialogWin32(void* ownerHwnd, const FileDialogArgs& args, std::string* chosen) {
  std::array<char, kFileBuffer> file{};
  const std::string name = Utf8ToCp932(args.fileName);
  std::memcpy(file.data(), name.data(), CutLength(name, kFileBuffer - 1));
  std::array<char, kFileBuffer> fileTitle{};
  fileTitle.fill(' ');
  fileTitle.back() = '\0';

  const std::string filter = ConvertPieces(args.filter, Utf8ToCp932);
  const std::string title = Utf8ToCp932(args.title);
  const std::string initDir = Utf8ToCp932(args.initDir);
  const std::string defaultExt = Utf8ToCp932(args.defaultExt);

  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = static_cast<HWND>(ownerHwnd);
  // The std::string keeps a NUL after its last byte: with the filter's own
  // final NUL that is the double NUL the dialog looks for.
  ofn.lpstrFilter = OrNull(filter);
  ofn.nFilterIndex = 0;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = kFileBuffer;
  ofn.lpstrFileTitle = fileTitle.data();
  ofn.nMaxFileTitle = kFileBuffer;
  ofn.lpstrInitialDir = OrNull(initDir);
  ofn.lpstrTitle = OrNull(title);
  ofn.Flags = args.flags;
  ofn.lpstrDefExt = OrNull(defaultExt);

  const BOOL ok = args.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!ok) return false;
  // The name ends at the first pair of NULs (a single NUL separates the
  // names of a multiple choice).
  std::string_view result(file.data(), file.size());
  const std::size_t end = result.find(std::string_view("\0\0", 2));
  result = result.substr(0, end);
  if (!result.empty() && result.back() == '\0') result.remove_suffix(1);
  if (chosen) *chosen = ConvertPieces(result, Cp932ToUtf8);
  return true;
}

bool ShowColourDialogWin32(void* ownerHwnd, const ColourDialogArgs& args, std::int32_t* chosen) {
  std::array<COLORREF, 16> custom;
  custom.fill(RGB(255, 255, 255));
  const SIZE_T bytes = sizeof(COLORREF) * custom.size();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  if (!block) return false;
  void* locked = GlobalLock(block);
  if (!locked) {
    GlobalFree(block);
    return false;
  }
  RtlMoveMemory(locked, custom.data(), bytes);

  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = static_cast<HWND>(ownerHwnd);
  // The structure declares this member as a window handle; it carries the
  // instance that would hold a dialog template.
  cc.hInstance = reinterpret_cast<HWND>(GetModuleHandleA(nullptr));
  cc.rgbResult = static_cast<COLORREF>(args.initial);
  cc.lpCustColors = static_cast<COLORREF*>(locked);
  cc.Flags = args.flags;

  const BOOL ok = ChooseColorA(&cc);
  GlobalUnlock(block);
  GlobalFree(block);
  if (!ok) return false;
  if (chosen) *chosen = static_cast<std::int32_t>(cc.rgbResult);
  return true;
}

}  // namespace kaveta
