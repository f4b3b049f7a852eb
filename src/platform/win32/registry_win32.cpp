#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <cstring>

#include "platform/encoding.h"

namespace kaveta {
namespace {

// Query, set, create sub-key, enumerate, notify and create link: the access
// the host's own tools ask for.
constexpr REGSAM kAccess = 0x3F;

class OpenKey {
 public:
  explicit OpenKey(const std::string& subKey) {
    ok_ = RegOpenKeyExA(HKEY_CURRENT_USER, Utf8ToCp932(subKey).c_str(), 0, kAccess, &key_) ==
          ERROR_SUCCESS;
  }
  ~OpenKey() {
    if (ok_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  bool ok() const { return ok_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
  bool ok_ = false;
};

}  // namespace

std::string Win32Registry::QueryText(const std::string& subKey, const std::string& name,
                                     const std::string& fallback) {
  OpenKey key(subKey);
  if (!key.ok()) return fallback;
  char buffer[256] = {};
  DWORD length = sizeof buffer;
  DWORD type = REG_SZ;
  // The stored type is ignored: whatever the value holds is read as text.
  if (RegQueryValueExA(key.get(), Utf8ToCp932(name).c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(buffer), &length) != ERROR_SUCCESS)
    return fallback;
  const std::size_t n = strnlen(buffer, std::min<std::size_t>(length, sizeof buffer));
  return Cp932ToUtf8(std::string(buffer, n));
}

std::int32_t Win32Registry::QueryNumber(const std::string& subKey, const std::string& name,
                                        std::int32_t fallback) {
  OpenKey key(subKey);
  if (!key.ok()) return fallback;
  DWORD value = 0;
  DWORD length = sizeof value;
  DWORD type = REG_DWORD;
  if (RegQueryValueExA(key.get(), Utf8ToCp932(name).c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(&value), &length) != ERROR_SUCCESS)
    return fallback;
  return static_cast<std::int32_t>(value);
}

}  // namespace kaveta
