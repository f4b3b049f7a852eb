// The Win32 common dialogs behind the Dialogs seam: the ANSI file and colour
// dialogs, texts in code page 932 on the platform side, UTF-8 on ours.
#pragma once

#include <cstdint>
#include <string>

#include "platform/seams.h"

namespace kaveta {

// GetOpenFileNameA or GetSaveFileNameA (args.save). True with the chosen
// path; false when the user cancelled or the dialog failed.
bool ShowFileDialogWin32(void* ownerHwnd, const FileDialogArgs& args, std::string* chosen);

// ChooseColorA starting from args.initial, sixteen white custom colours.
// True with the chosen colour; false on cancel or failure.
bool ShowColourDialogWin32(void* ownerHwnd, const ColourDialogArgs& args, std::int32_t* chosen);

}  // namespace kaveta
