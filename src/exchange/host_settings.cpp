#include "exchange/host_settings.h"

#include "text/ascii.h"

namespace kaveta {
namespace {

// The host stores colours as hexadecimal text read with an "&H" prefix:
// up to eight digits, so FFFFFFFF is -1.
bool ParseHexColour(const std::string& text, std::int32_t& out) {
  if (text.empty() || text.size() > 8) return false;
  std::uint32_t v = 0;
  for (char c : text) {
    const int h = HexDigitValue(c);
    if (h < 0) return false;
    v = v * 16 + static_cast<std::uint32_t>(h);
  }
  out = static_cast<std::int32_t>(v);
  return true;
}

}  // namespace

std::int32_t ReadPenColour(RegistryReader& registry, int index) {
  const std::string name = std::string("Color0") + static_cast<char>('0' + index);
  std::int32_t colour = 0;
  if (ParseHexColour(registry.QueryText(kPenKey, name, ""), colour)) return colour;
  return index == 0 ? 16777215 : 0;
}

std::int32_t ReadReverse(RegistryReader& registry) {
  return registry.QueryNumber(kDrawKey, "Reverse", 0);
}

std::string ReadZFile(RegistryReader& registry) {
  return registry.QueryText(kFolderKey, "ZFILE", "c:\\jww");
}

}  // namespace kaveta
