// The main window object: owns the window model, the run state and the
// program-wide values, and reaches the system only through its Environment.
#pragma once

#include <cstdint>
#include <string>

#include "exchange/run_state.h"
#include "platform/seams.h"
#include "number/rounding.h"
#include "startup/run_mode.h"
#include "ui/window_model.h"

namespace kaveta {

inline constexpr const char* kDesignCaption = "KAVETA 1.90";

struct Kaveta {
  Kaveta(const Environment& environment, RunMode mode) : env(environment), runMode(mode) {}

  Environment env;
  RunMode runMode;
  WindowModel ui;
  RunState state;

  // Program-wide values kept with the settings.
  int tableStyle = 0;              // 0 card, 1 list
  std::int32_t itemAlignment = 0;  // 0 left, 1 right, 2 centre
  bool writeItemCatalogue = false;
  int roundingMode = 0;  // a RoundingMode: 0 half up, 1 down, 2 up
  int ratioRounding = 2;  // the summary's ratios, a RoundingMode code; up by default

  // The table preview's place on the screen, in pixels: stored ones are
  // used when it opens; written back only by a run that opened it.
  struct PreviewPlace {
    bool stored = false;  // read from the settings file
    bool opened = false;  // shown in this run
    int left = 0, top = 0, width = 0, height = 0;
  } preview;

  // Rows the floating editors work on (0 while none).
  int currentNameRow = 0;
  int currentUnitRow = 0;

  bool closed = false;  // the window was closed: the program ends

  // Kaveta.INI or koumoku.INI was there at start but could not be read: the
  // window holds no settings of it, so saving would lose the user's.
  bool settingsUnread = false;
  bool rowsUnread = false;

  // Shows a message box with the program's title.
  MsgAnswer Message(const std::string& text, MsgIcon icon = MsgIcon::None,
                    MsgButtons buttons = MsgButtons::Ok) {
    return env.dialogs->Message(text, icon, buttons);
  }
};

inline RoundingMode RoundingModeOf(const Kaveta& k) { return RoundingModeFromCode(k.roundingMode); }

}  // namespace kaveta
