// UTF-8 inside, UTF-16 at the edge where the W functions are called.
#pragma once

#include <string>

namespace kaveta {

std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);

}  // namespace kaveta
