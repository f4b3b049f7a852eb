// The reader gives what the window is to show as data, in reading order,
// and touches nothing but the run state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/reader.h"
#include "exchange_fixture.h"

namespace kaveta::testing {
namespace {

std::string Describe(const ReadEvent& e) {
  switch (e.kind) {
    case ReadEvent::Kind::GroupAdded: return "group " + std::to_string(e.row) + " " + std::to_string(e.colour);
    case ReadEvent::Kind::LayerNamed:
      return "name " + std::to_string(e.row) + " " + e.text + (e.hasColour ? " " + std::to_string(e.colour) : "");
    case ReadEvent::Kind::TitleShown: return "title " + e.text;
  }
  return "";
}

TEST(ReadResult, EventsAndMessagesInReadingOrder) {
  const struct {
    RunMode mode;
    std::vector<std::string> lines;
    std::vector<std::string> events;
    std::vector<std::string> messages;
    ReadOutcome outcome;
  } cases[] = {
      {RunMode::AreaNewTable,
       {"hq", "lc10 255", "sl 0 0 1 0 0 1", "hhp1ch", "ch 0 0 1 0 \"表", "lc10 9", "sl 0 0 1 0 0 1"},
       {"group 1 255", "title 表", "group 2 9"},
       {},
       ReadOutcome::Complete},
      // A layer named twice and a colour name paint over each other in order.
      {RunMode::LayerNamingExternal,
       {"hq", "lg2", "ly3", "lyn壁", "lyn#c#0000FF", "lgn", "lc10 7", "sl 0 0 1 0 0 1"},
       {"name 4 壁", "name 4 #c#0000FF 16711680", "title 2", "group 1 7"},
       {},
       ReadOutcome::Complete},
      {RunMode::AreaNewTable,
       {"hq", "lc10 1", "sl 0 0 1 0 0 1", "lc200", "sl 0 0 1 0 0 1"},
       {"group 1 1"},
       {"SXFカスタム線色があります。現在対応してないので終了します。<(_ _)>申し訳ないです"},
       ReadOutcome::ProcessEnded},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines.back());
    RunState s;
    const ReadResult r = ReadExchangeInput(c.mode, s, HostFile(c.lines));
    std::vector<std::string> events, messages;
    for (const ReadEvent& e : r.events) events.push_back(Describe(e));
    for (const ReadDiagnostic& d : r.diagnostics) messages.push_back(d.text);
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(messages, c.messages);
    EXPECT_EQ(r.outcome, c.outcome);
  }
}

TEST(ReadResult, SeventeenthColourIsAMessageNotAWindow) {
  std::vector<std::string> lines = {"hq"};
  for (int c = 1; c <= 17; ++c) {
    lines.push_back("lc10 " + std::to_string(c));
    lines.push_back("sl 0 0 1 0 0 1");
  }
  RunState s;
  const ReadResult r = ReadExchangeInput(RunMode::AreaNewTable, s, HostFile(lines));
  EXPECT_EQ(r.outcome, ReadOutcome::Stopped);
  EXPECT_EQ(r.events.size(), 16u);
  ASSERT_EQ(r.diagnostics.size(), 1u);
  EXPECT_EQ(r.diagnostics[0].text, "16色を越えました。");
  EXPECT_EQ(r.diagnostics[0].icon, MsgIcon::Exclamation);
}

}  // namespace
}  // namespace kaveta::testing
