// The load sequence's reading of the exchange input: the reader fills the
// run state, then the window shows what it read and its messages.
#pragma once

#include <string>
#include <string_view>

#include "exchange/reader.h"
#include "ui/kaveta.h"

namespace kaveta {

// The reading's events in the window, then its messages, in their order.
void ApplyReadResult(Kaveta& k, const ReadResult& result);

// Reads and applies; the outcome says how the reading ended.
ReadOutcome ReadIntoWindow(Kaveta& k, std::string_view bytes);
// The same for a buffer the caller gives up (see ConsumeExchangeInput).
ReadOutcome ConsumeIntoWindow(Kaveta& k, std::string& bytes);

// Default units and multipliers, rounded quantities, and the two messages.
void AfterReading(Kaveta& k);

}  // namespace kaveta
