// The area table composed from whatever the user typed into the settings
// panel (the layer and colour boxes, Text2, the decimals) and from the
// character sizes of the selection's header lines.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_host.h"
#include "output/area_table.h"
#include "output/ok_command.h"
#include "startup/load_sequence.h"

namespace {

using namespace kaveta;

void Require(bool ok) {
  if (!ok) std::abort();
}

// Three solids in two colours, read once; every input starts from a copy.
const Kaveta& Loaded(RunMode mode) {
  static testing::Harness h;
  static const auto make = [](RunMode m) {
    fuzz::SetUpHost(h);
    h.files.files["/app/TEMP.TXT"] =
        "hq\r\nhs 100 100 50 50 100 1 1 1 1 50 50 1 50 50 50 1\r\nlg0\r\nly2\r\ncn3\r\n"
        "lc10 16763904\r\nsl 0 0 5460 0 5460 3640 0 3640\r\nsl 5460 0 9100 0 9100 3640\r\n"
        "lc5\r\nsl 3640 3640 12000 3640 12000 9000 3640 9000\r\n";
    Kaveta k = h.Make(m);
    RunLoadSequence(k);
    return k;
  };
  static const Kaveta area = make(RunMode::AreaNewTable);
  static const Kaveta layers = make(RunMode::LayerNamingExternal);
  return mode == RunMode::AreaNewTable ? area : layers;
}

void Sizes(FuzzedDataProvider& in, std::array<std::string, 17>& header) {
  for (std::size_t i = 1; i <= 16; ++i) header[i] = in.ConsumeRandomLengthString(10);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const auto flags = in.ConsumeIntegral<std::uint8_t>();
  Kaveta k = Loaded(flags & 0x80 ? RunMode::LayerNamingExternal : RunMode::AreaNewTable);

  // The header sizes of the selection and what the user may type into the
  // panel after the settings were loaded.
  Sizes(in, k.state.headerTextWidth);
  Sizes(in, k.state.headerTextHeight);
  Sizes(in, k.state.headerTextSpacing);
  WindowModel& w = k.ui;
  w.Text2.text = in.ConsumeRandomLengthString(40);
  w.Comboketa.text = in.ConsumeRandomLengthString(12);
  for (int i = 1; i <= 11; ++i) w.Combo1[i].text = in.ConsumeRandomLengthString(12);
  k.state.currentTextKind = in.ConsumeRandomLengthString(4);
  for (int i = 0; i < 3; ++i) w.ckKeisen[i].value = (flags >> i) & 1;
  for (int i = 0; i < 2; ++i) w.chkUTIWAKE[i].value = (flags >> (3 + i)) & 1;
  k.itemAlignment = in.ConsumeIntegralInRange<std::int32_t>(-1, 4);
  w.txtname[1].text = in.ConsumeRandomLengthString(30);
  w.txtname[3].text = in.ConsumeRandomLengthString(30);
  w.txtHyoumei.text = in.ConsumeRandomLengthString(30);
  w.Text_sum[2].text = in.ConsumeRandomLengthString(16);

  TableInputs inputs;
  std::string problem;
  if (!ReadTableInputs(TakeTableSnapshot(k), k.state, inputs, problem)) {
    Require(!problem.empty());
    return 0;
  }
  OutputText out;
  ComposeAreaTable(TakeTableSnapshot(k), k.state, inputs, k.state.nextSolid - 1, out);
  // Every item ends its own line.
  const std::string& text = out.text();
  Require(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0);
  return 0;
}
