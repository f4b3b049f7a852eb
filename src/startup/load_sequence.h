#pragma once

#include "ui/kaveta.h"

namespace kaveta {

enum class LoadOutcome { Ready, ProcessEnded };

// Builds the per-mode window and runs the load sequence once.
LoadOutcome RunLoadSequence(Kaveta& k);

// Per-mode set-up blocks, exposed for tests.
void ApplyModeSetupFirst(Kaveta& k);
void ApplyModeSetupSecond(Kaveta& k);

}  // namespace kaveta
