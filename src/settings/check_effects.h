// What a click on a settings check box does at once. Loading the settings
// changes a box's value the same way a click does, so both paths share these.
#pragma once

#include "ui/kaveta.h"

namespace kaveta {

// The line type, colour and layer combo boxes of ruled-line group k
// (0 outer frame, 1 vertical, 2 horizontal) follow ckKeisen(k): enabled while
// it is ticked. Their texts stay as they are.
void ApplyKeisenEnabled(Kaveta& k, int group);

// The item names txtname(1..16) follow chkC: upper case while it is ticked,
// lower case otherwise. Only ASCII letters change.
void ApplyNameCase(Kaveta& k);

// The rounding mode 0..2 and the list showing it; anything else is half up.
void ApplyRoundingMode(Kaveta& k, int mode);

// The ratio rounding code (a RoundingMode value) and its list; anything
// else is the default, up.
void ApplyRatioRounding(Kaveta& k, int code);

// The role column follows chkGaiyou: shown while it is ticked in a table
// mode, the window wider by the column while it shows.
void ApplySummaryColumn(Kaveta& k);

}  // namespace kaveta
