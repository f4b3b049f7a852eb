// Every figure of the selection must come back from the three regrouping
// modes: the host deletes the selection when it reads "hd". Many generated
// inputs go through the reader and the OK command, and a small model of
// the input says where each line has to appear in the output.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "startup/read_input.h"
#include "output/ok_command.h"
#include "output/output_fixture.h"
#include "platform/encoding.h"

namespace kaveta {
namespace {

using testing::Harness;
using testing::kJwcTemp;
using testing::LinesOf;

constexpr std::int32_t kPens[10] = {0,     255,      65280, 16711680, 16776960,
                                    65535, 16711935, 0,     8421504,  16777215};

struct Generated {
  std::vector<std::string> lines;  // line 0 is the ignored first line
};

class InputGenerator {
 public:
  explicit InputGenerator(unsigned seed) : rng_(seed) {}

  Generated Make() {
    Generated g;
    g.lines.push_back("hq");
    // Now and then many colours, to pass the limit of 16 groups.
    const bool wide = Pick(0, 3) == 0;
    const int colours = wide ? 40 : 8;
    const int count = Pick(0, 90);
    for (int i = 0; i < count; ++i) {
      Add(g, colours);
      if (wide && Pick(0, 2) == 0) {
        g.lines.push_back("lc10 " + std::to_string(Pick(1, colours) * 4099));
        g.lines.push_back("sl " + Points(7));
      }
    }
    return g;
  }

 private:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  std::string Coord() { return std::to_string(Pick(-50000, 50000)); }
  std::string Key(const char* key) {
    std::string k = key;
    if (Pick(0, 5) == 0) k[0] = static_cast<char>(k[0] - 'a' + 'A');
    return k;
  }
  // Every figure line carries a serial number, so each is found once.
  std::string Serial() { return std::to_string(++serial_); }
  std::string Points(int fields) {
    std::string s = Serial();
    for (int i = 2; i < fields; ++i) s += " " + Coord();
    return s;
  }

  void Add(Generated& g, int colours) {
    static const char* kHex = "0123456789abcdef";
    switch (Pick(0, 16)) {
      case 0: g.lines.push_back("lg" + std::string(1, kHex[Pick(0, 15)])); break;
      case 1: g.lines.push_back("ly" + std::string(1, kHex[Pick(0, 15)])); break;
      case 2: g.lines.push_back("lt" + std::to_string(Pick(1, 9))); break;
      case 3: g.lines.push_back("cn" + std::to_string(Pick(1, 10))); break;
      case 4: g.lines.push_back(Key("lc") + std::to_string(Pick(0, 9))); break;
      case 5:
      case 6: {
        const int c = Pick(0, colours);
        g.lines.push_back(Key("lc") + "10 " + std::to_string(c == 0 ? kWhite : c * 4099));
        break;
      }
      case 7: g.lines.push_back("hs 1 100 50 1 1 1 1 1 1 1 1 1 1 1 1 1 1"); break;
      case 8: g.lines.push_back("lyn壁" + Serial()); break;
      case 9: g.lines.push_back(Coord() + " " + Coord() + " " + Coord() + " " + Serial()); break;
      case 10: g.lines.push_back("ch 0 0 1 0 \"文字ｶﾅ" + Serial()); break;
      case 11:
        g.lines.push_back(Pick(0, 1) ? "#" : "hhp1ch");
        if (g.lines.back() == "hhp1ch") g.lines.push_back("ch 1 1 2 0\"表題" + Serial());
        break;
      case 12:
      case 13: {
        static const int kFields[] = {5, 7, 9, 5, 7, 9, 3, 6, 11};
        g.lines.push_back(Key("sl") + " " + Points(kFields[Pick(0, 8)]));
        break;
      }
      default: {
        static const char* kCircles[] = {"sc", "se", "so", "sg"};
        g.lines.push_back(Key(kCircles[Pick(0, 3)]) + " " + Points(Pick(3, 8)));
        break;
      }
    }
  }

  std::mt19937 rng_;
  int serial_ = 0;
};

// Where each line of the input must show up.
struct Expectation {
  std::vector<std::string> passThrough;   // exact lines of the pass-through part
  std::vector<std::int32_t> colourOrder;  // groups in the order they were met
  // Per colour: its figure lines, block by block (two-point, measured,
  // sc, se, so, sg), each block in input order.
  std::map<std::int32_t, std::array<std::vector<std::string>, 6>> blocks;
};

std::string LowerKey(const std::string& line) {
  std::string k = line.substr(0, 2);
  for (auto& c : k) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return k;
}

int FieldCount(const std::string& line) {
  return 1 + static_cast<int>(std::count(line.begin(), line.end(), ' '));
}

Expectation Model(const Generated& g) {
  Expectation e;
  std::int32_t colour = 0;
  bool stopped = false;
  for (std::size_t i = 1; i < g.lines.size(); ++i) {
    const std::string& line = g.lines[i];
    if (stopped) {
      e.passThrough.push_back(line);
      continue;
    }
    if (line == "hhp1ch") {  // the title line takes its place
      e.passThrough.push_back(g.lines[++i]);
      continue;
    }
    const std::string key = LowerKey(line);
    if (key == "lc") {
      if (line.size() > 5 && (line[2] == '1' && line[3] == '0' && line[4] == ' ')) {
        colour = std::stoi(line.substr(5));
        e.passThrough.push_back("");
      } else {
        colour = kPens[std::stoi(line.substr(2))];
        e.passThrough.push_back(line);
      }
      continue;
    }
    const bool solid = key == "sl";
    const int circle = key == "sc" ? 2 : key == "se" ? 3 : key == "so" ? 4 : key == "sg" ? 5 : -1;
    if (!solid && circle < 0) {
      e.passThrough.push_back(line);
      continue;
    }
    if (!e.blocks.count(colour)) {
      if (e.colourOrder.size() == 16) {
        stopped = true;
        e.passThrough.push_back("lc10 " + std::to_string(colour));
        e.passThrough.push_back(line);
        continue;
      }
      e.colourOrder.push_back(colour);
      e.blocks[colour];
    }
    auto& blocks = e.blocks[colour];
    const int fields = FieldCount(line);
    if (solid && fields == 5)
      blocks[0].push_back(line);
    else if (solid && (fields == 7 || fields == 9))
      blocks[1].push_back(line);
    else if (circle >= 0)
      blocks[static_cast<std::size_t>(circle)].push_back(line);
    else {
      // Counted, not kept in a block: it stays, under its own colour.
      e.passThrough.push_back("lc10 " + std::to_string(colour));
      e.passThrough.push_back(line);
      continue;
    }
    e.passThrough.push_back("");
  }
  return e;
}

void CheckOutput(RunMode mode, const Generated& input, const std::vector<std::string>& out,
                 const std::string& label) {
  const Expectation e = Model(input);
  ASSERT_GE(out.size(), e.passThrough.size() + 2) << label;
  EXPECT_EQ(out[0], "hd") << label;
  const std::vector<std::string> pass(out.begin() + 1,
                                      out.begin() + 1 + static_cast<long>(e.passThrough.size()));
  EXPECT_EQ(pass, e.passThrough) << label;
  std::size_t at = 1 + e.passThrough.size();
  EXPECT_EQ(out[at++], "") << label;  // the pass-through block's own line end

  // The rest: one section per group, "lc10 <colour>" (after "ly<n>" in
  // LayerSort) and its blocks.
  std::vector<std::int32_t> order;
  std::map<std::int32_t, std::vector<std::string>> sections;
  std::int32_t current = 0;
  for (; at < out.size(); ++at) {
    const std::string& line = out[at];
    if (mode == RunMode::LayerSort && line.rfind("ly", 0) == 0) continue;
    if (line.rfind("lc10 ", 0) == 0) {
      current = std::stoi(line.substr(5));
      order.push_back(current);
      sections[current];
      continue;
    }
    if (!line.empty()) sections[current].push_back(line);
  }
  for (const std::int32_t colour : e.colourOrder) {
    std::vector<std::string> expected;
    for (const auto& block : e.blocks.at(colour))
      expected.insert(expected.end(), block.begin(), block.end());
    if (expected.empty()) continue;  // no stored line: the row may be left out
    EXPECT_EQ(sections[colour], expected) << label << " colour " << colour;
  }
  // Groups come in the order they were met.
  std::vector<std::int32_t> metWithLines;
  for (const std::int32_t colour : order)
    if (!sections[colour].empty()) metWithLines.push_back(colour);
  std::vector<std::int32_t> expectedOrder;
  for (const std::int32_t colour : e.colourOrder) {
    std::size_t lines = 0;
    for (const auto& block : e.blocks.at(colour)) lines += block.size();
    if (lines) expectedOrder.push_back(colour);
  }
  EXPECT_EQ(metWithLines, expectedOrder) << label;
}

TEST(RegroupProperty, EveryFigureLineComesBack) {
  int stoppedRuns = 0;
  for (RunMode mode : {RunMode::ColourChange, RunMode::LayerSort, RunMode::OverlapOrder}) {
    for (unsigned seed = 1; seed <= 150; ++seed) {
      InputGenerator gen(seed * 7919u + static_cast<unsigned>(mode));
      const Generated input = gen.Make();
      Harness h;
      Kaveta k = h.Make(mode);
      k.state.backgroundColour = kWhite;
      for (auto& swatch : k.ui.Lblpic) swatch.backColour = kWhite;
      for (int i = 1; i <= 9; ++i) k.state.penColourTable[static_cast<std::size_t>(i)] = kPens[i];
      std::string text;
      for (const auto& l : input.lines) text += l + "\r\n";
      if (ReadIntoWindow(k, Utf8ToCp932(text)) == ReadOutcome::Stopped) ++stoppedRuns;
      ASSERT_EQ(RunOkCommand(k), OkOutcome::Written);
      const std::string label =
          "mode " + std::to_string(static_cast<int>(mode)) + " seed " + std::to_string(seed);
      CheckOutput(mode, input, LinesOf(h.GetText(kJwcTemp)), label);
      if (::testing::Test::HasFailure()) {
        ADD_FAILURE() << "input:\n" << text;
        return;
      }
    }
  }
  // The generator must really reach the 16-colour limit now and then.
  EXPECT_GT(stoppedRuns, 10);
}

}  // namespace
}  // namespace kaveta
