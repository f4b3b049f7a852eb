// Memory hints for the few buffers that grow to the size of a whole input.
#pragma once

#include <cstddef>

namespace kaveta {

// Asks for huge pages behind a large buffer that is about to be written
// from end to end: in small pages a 20 MB selection costs some five thousand
// page faults, a good part of a whole run. A hint only; nothing changes
// where the system has no such thing.
void AdviseLargeBuffer(void* data, std::size_t size);

// Hands the pages of [begin, end) back to the system: a buffer read once
// from front to back need not stay resident behind the reading. Both ends
// are multiples of kReleaseStep. The contents read back as anything after.
inline constexpr std::size_t kReleaseStep = std::size_t{2} << 20;
void ReleaseReadPages(char* begin, char* end);

}  // namespace kaveta
