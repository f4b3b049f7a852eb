#include "app/win32/menus.h"

#include "app/win32/control_table.h"
#include "platform/win32/wide_text.h"

namespace kaveta::view {
namespace {

struct MenuEntry {
  MenuItem WindowModel::*item;
  int id;        // command ID; 0 for a popup or a separator
  int position;  // popups: position in the bar; items: -1
};

// Popups first in each group, then their items; the order is the bar's.
constexpr MenuEntry kMenus[] = {
    {&WindowModel::files, 0, 0},
    {&WindowModel::mnuOpenhyou, kCmdOpenTable, -1},
    {&WindowModel::mnuSaveHyou, kCmdSaveTable, -1},
    {&WindowModel::bar1, 0, -1},
    {&WindowModel::kavetaend, kCmdExit, -1},
    {&WindowModel::henshu, 0, 1},
    {&WindowModel::mnuMleft, kCmdAlignLeft, -1},
    {&WindowModel::mnuMcenter, kCmdAlignCentre, -1},
    {&WindowModel::mnuMright, kCmdAlignRight, -1},
    {&WindowModel::option, 0, 2},
    {&WindowModel::optSakuhyou, kCmdTableSettings, -1},
    {&WindowModel::mnuPreview, kCmdPreview, -1},
};

}  // namespace

HMENU BuildMenuBar(const WindowModel& w) {
  HMENU bar = CreateMenu();
  HMENU popup = nullptr;
  for (const MenuEntry& e : kMenus) {
    const MenuItem& m = w.*e.item;
    if (e.position >= 0) {
      popup = CreatePopupMenu();
      AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Utf8ToWide(m.caption).c_str());
    } else if (e.id == 0) {
      AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(e.id), Utf8ToWide(m.caption).c_str());
    }
  }
  return bar;
}

bool SyncMenuBar(HMENU bar, const WindowModel& w, std::vector<MenuItem>& shown) {
  const bool all = shown.size() != std::size(kMenus);
  if (all) shown.assign(std::size(kMenus), MenuItem{});
  bool redraw = false;
  for (std::size_t i = 0; i < std::size(kMenus); ++i) {
    const MenuEntry& e = kMenus[i];
    const MenuItem& m = w.*e.item;
    MenuItem& was = shown[i];
    if (!all && m.enabled == was.enabled && m.checked == was.checked) continue;
    if (e.position >= 0) {
      EnableMenuItem(bar, static_cast<UINT>(e.position),
                     MF_BYPOSITION | (m.enabled ? MF_ENABLED : MF_GRAYED));
      redraw = true;
    } else if (e.id != 0) {
      EnableMenuItem(bar, static_cast<UINT>(e.id), MF_BYCOMMAND | (m.enabled ? MF_ENABLED : MF_GRAYED));
      CheckMenuItem(bar, static_cast<UINT>(e.id), MF_BYCOMMAND | (m.checked ? MF_CHECKED : MF_UNCHECKED));
    }
    was = m;
  }
  return redraw;
}

}  // namespace kaveta::view
