// The exchange input TEMP.TXT written by the host.
#pragma once

#include <string>
#include <string_view>

#include "ui/kaveta.h"

namespace kaveta {

enum class ReadOutcome {
  Complete,      // read to the end
  Stopped,       // 16-colour limit or the end mark: no after-reading steps
  ProcessEnded,  // unsupported (SXF custom) colour: the program ends
};

// Reads the whole file (Shift_JIS bytes) into the run state and the window.
ReadOutcome ReadExchangeInput(Kaveta& k, std::string_view bytes);
// The same for a buffer the caller gives up: its pages go back to the system
// as the figure lines are copied out, so a large selection is not resident
// twice. `bytes` holds anything afterwards.
ReadOutcome ConsumeExchangeInput(Kaveta& k, std::string& bytes);

}  // namespace kaveta
