#include "app/win32/fonts.h"

namespace kaveta::view {
namespace {

// Asking GDI which face it really chose is much cheaper than enumerating
// the system's fonts.
bool FaceChosen(const LOGFONTW& lf) {
  HFONT font = CreateFontIndirectW(&lf);
  if (!font) return false;
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  wchar_t chosen[LF_FACESIZE] = {};
  GetTextFaceW(screen, LF_FACESIZE, chosen);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return lstrcmpiW(chosen, lf.lfFaceName) == 0;
}

// Fixed-pitch faces are the ones without "Ｐ" (proportional) in the name.
bool IsFixedPitchFace(const std::wstring& face) {
  return face.find(L'Ｐ') == std::wstring::npos && face.find(L'P') == std::wstring::npos;
}

}  // namespace

void SetFaceWithFallback(LOGFONTW& lf, const std::wstring& face) {
  const bool fixed = IsFixedPitchFace(face);
  lf.lfPitchAndFamily =
      static_cast<BYTE>(fixed ? (FIXED_PITCH | FF_MODERN) : (VARIABLE_PITCH | FF_SWISS));
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  if (FaceChosen(lf)) return;
  lstrcpynW(lf.lfFaceName, fixed ? L"MS Gothic" : L"MS UI Gothic", LF_FACESIZE);
  if (FaceChosen(lf)) return;
  lf.lfFaceName[0] = L'\0';  // the character set and pitch pick a Japanese face
}

}  // namespace kaveta::view
