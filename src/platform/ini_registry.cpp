#include "platform/ini_registry.h"

#include "platform/encoding.h"
#include "number/number_text.h"
#include "settings/profile_file.h"

namespace kaveta {

// Read anew on every query: the registry reader caches nothing either.
std::string IniRegistry::QueryText(const std::string& subKey, const std::string& name,
                                   const std::string& fallback) {
  const auto bytes = files_.Read(path_);
  if (!bytes) return fallback;
  const ProfileDocument doc(*bytes);
  const std::string section = Utf8ToCp932(subKey), key = Utf8ToCp932(name);
  if (!doc.Has(section, key)) return fallback;
  // The registry's 256-byte buffer: a longer value does not fit.
  const std::string value = doc.Get(section, key, 1024);
  if (value.size() > 255) return fallback;
  return Cp932ToUtf8(value);
}

std::int32_t IniRegistry::QueryNumber(const std::string& subKey, const std::string& name,
                                      std::int32_t fallback) {
  const auto bytes = files_.Read(path_);
  if (!bytes) return fallback;
  const ProfileDocument doc(*bytes);
  if (!doc.Has(subKey, name)) return fallback;
  std::int32_t value = 0;
  return ParseInt32(doc.Get(subKey, name), value) ? value : fallback;
}

}  // namespace kaveta
