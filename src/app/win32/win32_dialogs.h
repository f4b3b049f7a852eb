// The dialog seam for the window: message boxes and common dialogs owned
// by the main window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/seams.h"

namespace kaveta::view {

// While the window is still being loaded, plain messages (OK only) wait and
// come up over the window once it is on screen; questions never wait.
class WindowDialogs : public Dialogs {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  void HoldMessages() { holding_ = true; }
  // Shows the held messages in order and stops holding.
  void ShowHeldMessages();
  MsgAnswer Message(const std::string& text, MsgIcon icon, MsgButtons buttons) override;
  std::optional<std::string> ChooseFile(const FileDialogArgs& args) override;
  std::optional<std::int32_t> ChooseColour(const ColourDialogArgs& args) override;

 private:
  struct Held {
    std::string text;
    MsgIcon icon;
  };
  HWND owner_ = nullptr;
  bool holding_ = false;
  std::vector<Held> held_;
};

}  // namespace kaveta::view
