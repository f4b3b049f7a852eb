// Reads TEMP.TXT, the host's selection as figure commands, for example:
//
//   hq                                   first line: ignored
//   hs 100 100 50 ...                    scale of layer groups 0..f
//   lg0 / ly2 / lt1 / cn3                current layer group, layer, line type, text kind
//   lc5                                  host pen colour 5
//   lc10 16763904                        explicit colour (consumed)
//   sl 0 0 5460 0 5460 3640 0 3640       solid figure (consumed, measured)
//   sc 10000 2000 500 0 360 1 0          circle-related solid (consumed)
//   0 0 12000 0                          anything else passes through
//
// Consumed lines leave an empty line in the pass-through text so that the
// output keeps the host's line order.
#include "exchange/reader.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "exchange/group_blocks.h"
#include "exchange/groups.h"
#include "exchange/text_append.h"
#include "platform/encoding.h"
#include "number/number_text.h"
#include "number/colour_text.h"
#include "text/ascii.h"
#include "text/lines.h"

namespace kaveta {
namespace {

bool StartsNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// The character (not byte) that starts at byte `at`, or empty past the end.
std::string_view CharAt(std::string_view utf8, std::size_t at) {
  if (at >= utf8.size()) return {};
  std::size_t end = at + 1;
  while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
  return utf8.substr(at, end - at);
}

// Whole numbers from host text: the lenient reading (not a number: 0),
// rounded to the nearest whole number, halves to even.
double WholeNumber(std::string_view text) { return std::nearbyint(LenientNumber(text)); }

class Reader {
 public:
  Reader(RunMode mode, RunState& s, std::string_view bytes)
      : mode_(mode), s_(s), cursor_(bytes), blocks_(bytes) {}
  Reader(RunMode mode, RunState& s, std::string& bytes)
      : mode_(mode), s_(s), cursor_(bytes), blocks_(bytes) {}

  ReadResult Run() {
    result_.outcome = ReadLines();
    blocks_.MoveInto(s_);
    return std::move(result_);
  }

 private:
  struct Step {
    std::optional<ReadOutcome> outcome;  // reading ends here
    bool consumed = false;
    bool skipLine = false;  // nothing at all goes to the pass-through text
    std::string_view passed;
  };

  ReadOutcome ReadLines() {
    std::string_view raw;
    if (!cursor_.Next(raw)) return ReadOutcome::Complete;  // no line at all
    bool ascii = true;
    while (cursor_.Next(raw, ascii)) {
      const std::string_view line = ascii ? raw : Decode(raw);
      const Step step = Interpret(line);
      if (step.outcome) return *step.outcome;
      if (step.skipLine) continue;
      AppendLine(s_.passThroughText, step.consumed ? std::string_view() : step.passed);
      blocks_.ReadUpTo(s_, cursor_.Position());
    }
    return ReadOutcome::Complete;
  }

  // Plain ASCII lines (nearly all of them) are used in place.
  std::string_view Decode(std::string_view raw) {
    if (IsAscii(raw)) return raw;
    converted_ = Cp932ToUtf8(raw);
    return converted_;
  }

  Step Interpret(std::string_view line) {
    Step step;
    step.passed = line;
    if (!line.empty() && AsciiLower(line[0]) == 'h') {
      const std::string_view word = line.substr(0, line.find(' '));
      if (EqualsNoCase(word, "hhp1ch")) return TitleLine();
      StoreHeader(word, line);
    }
    if (line.size() < 2) {
      if (line == "#" && mode_ == RunMode::TableDesign) step.outcome = ReadOutcome::Stopped;
      return step;
    }
    const char key[2] = {AsciiLower(line[0]), AsciiLower(line[1])};
    switch (key[0]) {
      case 'l':
        if (key[1] == 'g')
          LayerGroupLine(line);
        else if (key[1] == 'y')
          LayerLine(line);
        else if (key[1] == 'c')
          return ColourLine(line);
        break;
      case 'c':
        if (key[1] == 'n') s_.currentTextKind.assign(line.substr(2));
        break;
      case 's':
        if (key[1] == 'l') return SolidLine(line);
        if (key[1] == 'c' || key[1] == 'e' || key[1] == 'o' || key[1] == 'g')
          return CircleLine(line, key[1]);
        break;
      default: break;
    }
    return step;
  }

  // The fields of a header line replace the whole stored set; a short line
  // leaves the missing fields empty rather than mixing in an older line.
  template <std::size_t N>
  void StoreFields(std::array<std::string, N>& into, std::size_t count, std::string_view line) {
    Split(line);
    for (std::size_t i = 0; i < count && i < N; ++i) {
      if (i < fields_.size())
        into[i].assign(fields_[i]);
      else
        into[i].clear();
    }
  }

  void StoreHeader(std::string_view word, std::string_view line) {
    if (EqualsNoCase(word, "hs"))
      StoreFields(s_.headerScale, 17, line);
    else if (EqualsNoCase(word, "hcw"))
      StoreFields(s_.headerTextWidth, 11, line);
    else if (EqualsNoCase(word, "hch"))
      StoreFields(s_.headerTextHeight, 11, line);
    else if (EqualsNoCase(word, "hcd"))
      StoreFields(s_.headerTextSpacing, 11, line);
    else if (EqualsNoCase(word, "hcc"))
      StoreFields(s_.headerTextColour, 11, line);
  }

  // "hhp1ch": the next line is the title line and takes its place.
  Step TitleLine() {
    Step step;
    std::string_view raw;
    if (!cursor_.Next(raw)) {
      s_.tableTitle.clear();
      ShowTitle(s_.tableTitle);
      step.skipLine = true;
      return step;
    }
    const std::string_view line = Decode(raw);
    const std::size_t quote = line.find('"');
    s_.tableTitle.assign(quote == std::string_view::npos ? line : line.substr(quote + 1));
    ShowTitle(s_.tableTitle);
    step.passed = line;
    return step;
  }

  void LayerGroupLine(std::string_view line) {
    const std::string_view digit = CharAt(line, 2);
    if (digit.size() == 1 && AsciiLower(digit[0]) == 'n') {
      if (mode_ == RunMode::LayerNamingExternal) {
        std::string shown = s_.currentLayerGroup;
        if (!shown.empty() && shown[0] >= 'a' && shown[0] <= 'z')
          shown[0] = static_cast<char>(shown[0] - 'a' + 'A');
        ShowTitle(shown);
      }
      return;
    }
    s_.currentLayerGroup.assign(digit);
    // Only "0".."9", "a".."f" name a layer group; any other digit has no
    // scale in the header, so it counts as 0.
    const int slot = HexDigitSlot(digit);
    s_.currentGroupScale =
        slot == 0 ? 0.0f : static_cast<float>(LenientNumber(s_.headerScale[slot]));
  }

  void LayerLine(std::string_view line) {
    const std::string_view digit = CharAt(line, 2);
    if (digit.size() == 1 && AsciiLower(digit[0]) == 'n') {
      if (mode_ == RunMode::LayerNamingExternal) LayerName(line);
      return;
    }
    s_.currentLayer.assign(digit);
  }

  // "lyn" + name in LayerNamingExternal names the row of the current layer;
  // a name "#c#RRGGBB" also paints its swatches. A layer that is no row
  // changes nothing.
  void LayerName(std::string_view line) {
    const int row = HexDigitSlot(s_.currentLayer);
    if (row == 0) return;
    ReadEvent named{ReadEvent::Kind::LayerNamed, row, std::string(line.substr(3))};
    if (line.size() >= 5 && EqualsNoCase(line.substr(3, 2), "#c")) {
      named.colour = ParseColour(line.substr(5));
      named.hasColour = true;
    }
    result_.events.push_back(std::move(named));
  }

  Step ColourLine(std::string_view line) {
    Step step;
    step.passed = line;
    if (StartsNoCase(line, "lc10 ")) {
      s_.currentColourNumber = "10";
      // A value without a 32-bit form is no colour the host can draw: black.
      const double value = WholeNumber(line.substr(5));
      const bool fits = value >= std::numeric_limits<std::int32_t>::min() &&
                        value <= std::numeric_limits<std::int32_t>::max();
      s_.currentColour = fits ? static_cast<std::int32_t>(value) : 0;
      step.consumed = true;
      return step;
    }
    s_.currentColourNumber.assign(line.substr(2));
    const double n = WholeNumber(s_.currentColourNumber);
    // Numbers outside the pen table (negative ones too) are SXF custom colours.
    if (!(n >= 0 && n <= 116)) {
      result_.diagnostics.push_back(
          {"SXFカスタム線色があります。現在対応してないので終了します。<(_ _)>申し訳ないです",
           MsgIcon::None});
      step.outcome = ReadOutcome::ProcessEnded;
      return step;
    }
    s_.currentColour = s_.penColourTable[static_cast<std::size_t>(n)];
    return step;
  }

  Step SolidLine(std::string_view line) {
    Step step;
    step.passed = line;
    if (!FindGroup()) return StopAtLimit(line);
    Split(line);
    switch (fields_.size()) {
      case 5:
        blocks_.Note(s_.currentGroup, GroupBlock::TwoPoint, line);
        step.consumed = true;
        break;
      case 7:
      case 9:
        MeasureSolid(s_, fields_);
        blocks_.Note(s_.currentGroup, GroupBlock::Measured, line);
        step.consumed = true;
        break;
      default:
        // Counted, but kept in the pass-through text: no block holds it, and
        // dropping it would lose the figure from the output. The colour lines
        // before it are consumed, so it carries its own.
        AppendLine(s_.passThroughText, "lc10 " + std::to_string(s_.currentColour));
        break;
    }
    return step;
  }

  Step CircleLine(std::string_view line, char kind) {
    Step step;
    step.passed = line;
    if (!FindGroup()) return StopAtLimit(line);
    if (IsAreaMode(mode_)) {
      s_.circularSolidFound = true;
    } else {
      const GroupBlock block = kind == 'c'   ? GroupBlock::Sc
                               : kind == 'e' ? GroupBlock::Se
                               : kind == 'o' ? GroupBlock::So
                                             : GroupBlock::Sg;
      blocks_.Note(s_.currentGroup, block, line);
    }
    step.consumed = true;
    return step;
  }

  // A 17th colour ends the interpretation, but the figures from here on are
  // kept unchanged in the pass-through text, under their own colour, so the
  // output loses none of them.
  Step StopAtLimit(std::string_view line) {
    Step step;
    AppendLine(s_.passThroughText, "lc10 " + std::to_string(s_.currentColour));
    AppendLine(s_.passThroughText, line);
    std::string_view raw;
    while (cursor_.Next(raw)) AppendLine(s_.passThroughText, Decode(raw));
    step.outcome = ReadOutcome::Stopped;
    return step;
  }

  // FindOrAddGroup for the current colour, looked up once while neither the
  // colour nor the groups change: thousands of figures follow one colour line.
  bool FindGroup() {
    if (foundGroup_ > 0 && s_.currentColour == foundColour_ && s_.nextGroup == foundNext_) {
      s_.currentGroup = foundGroup_;
      return true;
    }
    const int before = s_.nextGroup;
    if (!FindOrAddGroup(s_, s_.currentColour)) {
      result_.diagnostics.push_back({"16色を越えました。", MsgIcon::Exclamation});
      return false;
    }
    if (s_.nextGroup != before)
      result_.events.push_back({ReadEvent::Kind::GroupAdded, s_.currentGroup, {}, s_.currentColour});
    foundColour_ = s_.currentColour;
    foundNext_ = s_.nextGroup;
    foundGroup_ = s_.currentGroup;
    return true;
  }

  // Fields at every single blank: two blanks give an empty field.
  void Split(std::string_view line) {
    fields_.clear();
    std::size_t start = 0;
    for (;;) {
      const std::size_t blank = line.find(' ', start);
      if (blank == std::string_view::npos) {
        fields_.push_back(line.substr(start));
        return;
      }
      fields_.push_back(line.substr(start, blank - start));
      start = blank + 1;
    }
  }

  void ShowTitle(std::string text) {
    result_.events.push_back({ReadEvent::Kind::TitleShown, 0, std::move(text)});
  }

  RunMode mode_;
  RunState& s_;
  ReadResult result_;
  LineCursor cursor_;
  GroupBlockLines blocks_;
  std::string converted_;
  std::vector<std::string_view> fields_;
  std::int32_t foundColour_ = 0;
  int foundNext_ = 0, foundGroup_ = 0;
};

}  // namespace

namespace {

template <typename Bytes>
ReadResult ReadInto(RunMode mode, RunState& s, Bytes& bytes) {
  s.exchangeRead = true;
  s.currentGroup = 0;
  // Restored catalogue rows keep their slots in AreaPreviousTable.
  if (mode != RunMode::AreaPreviousTable) s.nextGroup = 1;
  Reader reader(mode, s, bytes);
  return reader.Run();
}

}  // namespace

ReadResult ReadExchangeInput(RunMode mode, RunState& s, std::string_view bytes) {
  return ReadInto(mode, s, bytes);
}

ReadResult ConsumeExchangeInput(RunMode mode, RunState& s, std::string& bytes) {
  return ReadInto(mode, s, bytes);
}

}  // namespace kaveta
