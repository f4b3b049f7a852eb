// Resource numbers shared by the .rc files and the programs that load them.
#pragma once

// The first icon group is the one Explorer shows for the exe.
#define KAVETA_ICON_ID 1
