// The host settings where no registry exists: registry.ini in the program
// folder, one section per sub-key path, the same defaults as the registry.
#pragma once

#include <string>

#include "platform/seams.h"

namespace kaveta {

class IniRegistry : public RegistryReader {
 public:
  IniRegistry(FileSystem& files, std::string iniPath) : files_(files), path_(std::move(iniPath)) {}
  std::string QueryText(const std::string& subKey, const std::string& name,
                        const std::string& fallback) override;
  std::int32_t QueryNumber(const std::string& subKey, const std::string& name,
                           std::int32_t fallback) override;

 private:
  FileSystem& files_;
  std::string path_;
};

}  // namespace kaveta
