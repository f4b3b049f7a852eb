#pragma once

#include <windows.h>

#include <string>

namespace kaveta::view {

// Puts the face into the font description, or, when this system lacks it,
// a Japanese face of the same pitch that every Japanese Windows has; the
// Shift_JIS character set makes GDI pick a Japanese font in any case.
void SetFaceWithFallback(LOGFONTW& lf, const std::wstring& face);

}  // namespace kaveta::view
