// The dialog seam for the window: message boxes and common dialogs owned
// by the main window.
#pragma once

#include <windows.h>

#include "platform/seams.h"

namespace kaveta::view {

class WindowDialogs : public Dialogs {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  MsgAnswer Message(const std::string& text, MsgIcon icon, MsgButtons buttons) override;
  std::optional<std::string> ChooseFile(const FileDialogArgs& args) override;
  std::optional<std::int32_t> ChooseColour(const ColourDialogArgs& args) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace kaveta::view
