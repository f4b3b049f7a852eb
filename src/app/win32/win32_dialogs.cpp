#include "app/win32/win32_dialogs.h"

#include "platform/win32/dialogs_win32.h"
#include "platform/win32/message_box_win32.h"

namespace kaveta::view {

MsgAnswer WindowDialogs::Message(const std::string& text, MsgIcon icon, MsgButtons buttons) {
  if (holding_ && buttons == MsgButtons::Ok) {
    held_.push_back({text, icon});
    return MsgAnswer::Ok;
  }
  MessageBoxOptions options;
  options.owner = owner_;
  return ShowMessageWin32(text, icon, buttons, options);
}

void WindowDialogs::ShowHeldMessages() {
  holding_ = false;
  std::vector<Held> held;
  held.swap(held_);
  for (const Held& m : held) Message(m.text, m.icon, MsgButtons::Ok);
}

std::optional<std::string> WindowDialogs::ChooseFile(const FileDialogArgs& args) {
  std::string chosen;
  if (!ShowFileDialogWin32(owner_, args, &chosen)) return std::nullopt;
  return chosen;
}

std::optional<std::int32_t> WindowDialogs::ChooseColour(const ColourDialogArgs& args) {
  std::int32_t chosen = 0;
  if (!ShowColourDialogWin32(owner_, args, &chosen)) return std::nullopt;
  return chosen;
}

}  // namespace kaveta::view
