// The surroundings every fuzz target starts from: a host with its usual
// pen colours and exchange folder, behind the test seams.
#pragma once

#include "exchange/host_settings.h"
#include "support/fakes.h"

namespace kaveta::fuzz {

inline constexpr const char* kHostFolder = "/host";

inline void SetUpHost(testing::Harness& h) {
  static const char* kPens[10] = {"FFFFFF", "0",      "0",    "C000",   "FFFF00",
                                  "FF00FF", "FF0000", "FFFF", "8080FF", "FF"};
  for (int i = 0; i < 10; ++i)
    h.registry.texts[{kPenKey, std::string("Color0") + static_cast<char>('0' + i)}] = kPens[i];
  h.registry.texts[{kFolderKey, "ZFILE"}] = kHostFolder;
}

}  // namespace kaveta::fuzz
