// A monkey for the real window: a seeded random sequence of what a user can
// do to kaveta.exe (clicks, typing, drags, list picks, menus, the dialogs and
// message boxes answered either way, now and then OK), with the program's
// promises checked after every action.
#pragma once

#include <cstdint>
#include <string>

namespace kaveta::gui::monkey {

struct ModeCase {
  const char* name;      // for test names and reports
  const wchar_t* word;   // the first command-line word
  const char* dataCase;  // tests/e2e/data/<dataCase>
};

struct Outcome {
  int actions = 0;   // actions done, the answers to dialogs included
  int sessions = 0;  // runs of kaveta.exe started (a new one after each end)
  int okEnds = 0;    // runs ended by OK with the output in place
  // Empty when every check held; else what failed, the seed of the failing
  // run and the actions that led to it.
  std::string failure;
};

// Runs `actions` actions in runs of kaveta.exe started in `mode`, one after
// another. The first run uses `seed` itself, so a failing run's seed replays
// that run from its start.
Outcome Run(const ModeCase& mode, std::uint32_t seed, int actions);

}  // namespace kaveta::gui::monkey
