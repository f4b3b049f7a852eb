#include "settings/catalogue.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/encoding.h"
#include "number/number_text.h"
#include "settings/ini_file.h"
#include "ui/rows.h"
#include "ui/unit_text.h"
#include "text/lines.h"

namespace kaveta {
namespace {

bool SameHeader(std::string_view line, std::string_view header) {
  if (line.size() != header.size()) return false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != header[i]) return false;
  }
  return true;
}

std::string Numbered(const char* prefix, int n) { return prefix + std::to_string(n); }

void LoadUnit(Kaveta& k, int row, const std::string& unitText) {
  Control& unit = k.ui.Label5[row];
  unit.tooltip = unitText;
  if (unitText.empty()) return;
  const UnitText parts = SplitUnitText(unitText);
  unit.text = parts.caption;
  k.state.groups[row].multiplier = RowFileUnitMultiplier(parts);
}

void LoadEmptyRow(Kaveta& k, int row) {
  for (Control* swatch : {&k.ui.Lblpic[row], &k.ui.Lblpic[row + kRows]}) {
    swatch->backColour = k.state.backgroundColour;
    swatch->tooltip.clear();
  }
  k.ui.txtname[row].text.clear();
  SetRowRole(k, row, 0);
}

bool StoredColour(const IniBatch& file, int slot, std::int32_t& colour) {
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  return StoredWholeNumber(file.Read("Solid", Numbered("Solidclr_", slot)), kMin, kMax, colour);
}

void LoadRow(Kaveta& k, const IniBatch& file, int row) {
  k.ui.txtname[row].text = file.Read("koukoku", Numbered("koumoku_", row));
  LoadUnit(k, row, file.Read("tani", Numbered("tani_", row)));
  // Absent, empty or unknown: no role.
  std::int32_t role = 0;
  if (!StoredWholeNumber(file.Read("kubun", Numbered("kubun_", row)), 0, kAreaRoleCount - 1, role))
    role = 0;
  SetRowRole(k, row, role);
  PaintSwatch(k.ui.Lblpic[row], k.state.groups[row].colour);
  PaintSwatch(k.ui.Lblpic[row + kRows], k.state.restoredRightColour[row]);
}

// Rows 1..count are the previous table; rows above it are not, whatever an
// earlier, longer save left in the file.
void LoadCountedRows(Kaveta& k, const IniBatch& file, int count) {
  k.state.nextGroup = count + 1;
  for (int row = 1; row <= count; ++row) {
    std::int32_t colour = 0;
    if (StoredColour(file, row, colour)) k.state.groups[row].colour = colour;
    if (StoredColour(file, row + kRows, colour)) k.state.restoredRightColour[row] = colour;
  }
  for (int row = 1; row <= kRows; ++row) {
    if (row <= count)
      LoadRow(k, file, row);
    else
      LoadEmptyRow(k, row);
  }
}

// Without a usable count (an emptied or hand-edited file) only a row with a
// stored colour is a row of the table: any other would come back black and
// count as used at the next save.
void LoadColouredRows(Kaveta& k, const IniBatch& file) {
  int last = 0;
  for (int row = 1; row <= kRows; ++row) {
    std::int32_t left = 0;
    if (!StoredColour(file, row, left)) {
      LoadEmptyRow(k, row);
      continue;
    }
    std::int32_t right = left;
    StoredColour(file, row + kRows, right);
    k.state.groups[row].colour = left;
    k.state.restoredRightColour[row] = right;
    LoadRow(k, file, row);
    last = row;
  }
  k.state.nextGroup = last + 1;
}

}  // namespace

void ReadListFile(Kaveta& k) {
  const std::optional<std::string> bytes =
      k.env.files ? k.env.files->Read(k.env.InProgramFolder("kaveta.lst")) : std::nullopt;
  if (!bytes) return;  // no catalogue: the lists stay empty
  const std::string text = Cp932ToUtf8(*bytes);
  const std::vector<std::string_view> lines = SplitLines(text);
  std::string_view section;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (!line.empty() && line.front() == '[') {
      section = line;
      // The line after a header is an entry whatever it holds; a header on
      // the last line leaves an empty section.
      if (++i == lines.size()) break;
      line = lines[i];
    }
    if (SameHeader(section, "[items]")) {
      k.ui.Combo2.list.emplace_back(line);
    } else if (SameHeader(section, "[tani]")) {
      k.ui.cbTani[0].list.emplace_back(line);
      k.ui.cbTaniD.list.emplace_back(line);
    }
  }
}

void loadKoumoku(Kaveta& k, const IniBatch& file) {
  // No row file at all is no previous table: painting every row from unset
  // colour slots would only make sixteen black rows that count as used.
  if (!file.FileExisted()) return;

  std::int32_t count = 0;
  if (StoredWholeNumber(file.Read("koumokusuu", "koumokusuu"), 0, kRows, count))
    LoadCountedRows(k, file, count);
  else
    LoadColouredRows(k, file);
}

void saveKoumoku(Kaveta& k, IniBatch& file) {
  int used = 0;
  for (int row = 1; row <= kRows; ++row)
    if (RowInUse(k, row)) ++used;
  file.Write("koumokusuu", "koumokusuu", std::to_string(used));

  // Used rows are stored packed, numbered 1..N in row order.
  int j = 1;
  for (int row = 1; row <= kRows; ++row) {
    if (!RowInUse(k, row)) continue;
    file.Write("Solid", Numbered("Solidclr_", j), std::to_string(k.ui.Lblpic[row].backColour));
    file.Write("Solid", Numbered("Solidclr_", j + kRows),
               std::to_string(k.ui.Lblpic[row + kRows].backColour));
    file.Write("koukoku", Numbered("koumoku_", j), k.ui.txtname[row].text);
    file.Write("tani", Numbered("tani_", j), k.ui.Label5[row].tooltip);
    // Only a role is stored, so a file of a table without roles keeps its bytes.
    if (const int role = RowRole(k, row))
      file.Write("kubun", Numbered("kubun_", j), std::to_string(role));
    else
      file.Delete("kubun", Numbered("kubun_", j));
    ++j;
  }
  // A shorter table leaves no role of an earlier, longer one behind.
  for (; j <= kRows; ++j) file.Delete("kubun", Numbered("kubun_", j));
}

void loadKoumoku(Kaveta& k, const std::string& iniFileName) {
  const IniBatch file(k.env, iniFileName);
  if (file.Unreadable()) k.rowsUnread = true;
  loadKoumoku(k, file);
}

bool saveKoumoku(Kaveta& k, const std::string& iniFileName) {
  IniBatch file(k.env, iniFileName);
  saveKoumoku(k, file);
  return file.Commit();
}

}  // namespace kaveta
