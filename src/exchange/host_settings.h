// Host settings from the registry (or its portable stand-in).
#pragma once

#include <cstdint>
#include <string>

#include "platform/seams.h"

namespace kaveta {

inline constexpr const char* kPenKey = "Software\\Jw_cad\\jw_win\\Pen";
inline constexpr const char* kDrawKey = "Software\\Jw_cad\\jw_win\\Draw";
inline constexpr const char* kFolderKey = "Software\\Jw_cad\\jw_win\\Folder";

// "Color00".."Color09" read as hexadecimal; a missing or non-hexadecimal
// value gives white for Color00 and black for the others.
std::int32_t ReadPenColour(RegistryReader& registry, int index);
// The host's drawing order: 0 normal.
std::int32_t ReadReverse(RegistryReader& registry);
// The host's coordinate-file folder, default "c:\jww".
std::string ReadZFile(RegistryReader& registry);

}  // namespace kaveta
