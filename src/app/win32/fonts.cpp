#include "app/win32/fonts.h"

namespace kaveta::view {
namespace {

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FaceExists(const std::wstring& face) {
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(query.lfFaceName, face.c_str(), LF_FACESIZE);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &query, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

// Fixed-pitch faces are the ones without "Ｐ" (proportional) in the name.
bool IsFixedPitchFace(const std::wstring& face) {
  return face.find(L'Ｐ') == std::wstring::npos && face.find(L'P') == std::wstring::npos;
}

}  // namespace

void SetFaceWithFallback(LOGFONTW& lf, const std::wstring& face) {
  const bool fixed = IsFixedPitchFace(face);
  lf.lfPitchAndFamily = static_cast<BYTE>(fixed ? (FIXED_PITCH | FF_MODERN)
                                                : (VARIABLE_PITCH | FF_SWISS));
  std::wstring chosen = face;
  if (!FaceExists(chosen)) {
    chosen = fixed ? L"MS Gothic" : L"MS UI Gothic";
    if (!FaceExists(chosen)) chosen.clear();
  }
  lstrcpynW(lf.lfFaceName, chosen.c_str(), LF_FACESIZE);
}

}  // namespace kaveta::view
