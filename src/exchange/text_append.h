// Appending lines to the large texts of the run state.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/memory.h"

namespace kaveta {

// Appends the line and CR LF. The texts can reach the size of the whole
// input, so they grow by half instead of doubling; a fresh string is built
// because reserve on an existing one may double anyway.
inline void AppendLine(std::string& to, std::string_view line) {
  const std::size_t need = to.size() + line.size() + 2;
  if (need > to.capacity()) {
    std::string grown;
    grown.reserve(std::max(need, to.size() + to.size() / 2 + 256));
    AdviseLargeBuffer(grown.data(), grown.capacity());
    grown.append(to);
    to.swap(grown);
  }
  to.append(line);
  to.append("\r\n", 2);
}

}  // namespace kaveta
