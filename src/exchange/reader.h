// The exchange input TEMP.TXT written by the host.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/run_state.h"
#include "platform/seams.h"
#include "startup/run_mode.h"

namespace kaveta {

enum class ReadOutcome {
  Complete,      // read to the end
  Stopped,       // 16-colour limit or the end mark: no after-reading steps
  ProcessEnded,  // unsupported (SXF custom) colour: the program ends
};

// What the reading shows in the window, in reading order: a later event
// may paint over an earlier one.
struct ReadEvent {
  enum class Kind {
    GroupAdded,  // a new colour group in `row`: both swatches take `colour`
    LayerNamed,  // "lyn": the name of `row`; with `hasColour` its swatches too
    TitleShown,  // the title box shows `text`
  };
  Kind kind = Kind::GroupAdded;
  int row = 0;
  std::string text;
  std::int32_t colour = 0;
  bool hasColour = false;
};

// A message the reading asks for; each one ends the reading.
struct ReadDiagnostic {
  std::string text;
  MsgIcon icon = MsgIcon::None;
};

struct ReadResult {
  ReadOutcome outcome = ReadOutcome::Complete;
  std::vector<ReadEvent> events;
  std::vector<ReadDiagnostic> diagnostics;
};

// Reads the whole file (Shift_JIS bytes) into the run state: groups,
// solids, header values, pass-through text, title. The state comes in as
// the load sequence left it (pen colours, a previous table's groups).
ReadResult ReadExchangeInput(RunMode mode, RunState& s, std::string_view bytes);
// The same for a buffer the caller gives up: its pages go back to the system
// as the figure lines are copied out, so a large selection is not resident
// twice. `bytes` holds anything afterwards.
ReadResult ConsumeExchangeInput(RunMode mode, RunState& s, std::string& bytes);

}  // namespace kaveta
