// A window object on fresh fakes for the stored-file tests, with a few
// helpers to look at the whole settings state at once.
#pragma once

#include <string>

#include "settings/settings_file.h"
#include "support/fakes.h"
#include "ui/kaveta.h"

namespace kaveta::testing {

struct SettingsWindow {
  Harness h;  // before k: k is made from it
  Kaveta k;

  explicit SettingsWindow(RunMode mode = RunMode::AreaNewTable) : k(h.Make(mode)) {}
  SettingsWindow(const SettingsWindow&) = delete;
  SettingsWindow& operator=(const SettingsWindow&) = delete;

  // Every settings entry as saveINI writes it into a fresh file, plus the
  // enabled state of the ruled-line combos and the item names: the parts a
  // load may change.
  std::string Snapshot() {
    const std::string path = "/snapshot/Kaveta.INI";
    h.files.files.erase(path);
    const int writes = h.files.writeCount;
    saveINI(k, path);
    h.files.writeCount = writes;
    std::string out = h.GetText(path);
    h.files.files.erase(path);
    for (int i = 1; i <= 11; ++i) out += k.ui.Combo1[i].enabled ? "E" : "d";
    for (int r = 1; r <= kRows; ++r) out += "|" + k.ui.txtname[r].text;
    return out;
  }
};

}  // namespace kaveta::testing
