#pragma once

#include "platform/seams.h"

namespace kaveta {

// Reads HKEY_CURRENT_USER with RegOpenKeyExA / RegQueryValueExA / RegCloseKey.
class Win32Registry : public RegistryReader {
 public:
  std::string QueryText(const std::string& subKey, const std::string& name,
                        const std::string& fallback) override;
  std::int32_t QueryNumber(const std::string& subKey, const std::string& name,
                           std::int32_t fallback) override;
};

}  // namespace kaveta
