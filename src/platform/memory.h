// Memory hints for the few buffers that grow to the size of a whole input.
#pragma once

#include <cstddef>

namespace kaveta {

// Asks for huge pages behind a large buffer that is about to be written
// from end to end: in small pages a 20 MB selection costs some five thousand
// page faults, a good part of a whole run. A hint only; nothing changes
// where the system has no such thing.
void AdviseLargeBuffer(void* data, std::size_t size);

}  // namespace kaveta
