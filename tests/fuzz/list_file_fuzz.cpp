// The list file kaveta.lst: hand-edited, in any encoding, any line ends.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/catalogue.h"
#include "support/fakes.h"
#include "text/lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kaveta;
  // One window for all inputs (making one costs more than the read); the
  // read only appends to the three lists, so they start empty each time.
  static testing::Harness h;
  static Kaveta k = h.Make(RunMode::AreaNewTable);
  for (Control* list : {&k.ui.Combo2, &k.ui.cbTani[0], &k.ui.cbTaniD}) list->list.clear();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  h.files.files["/app/kaveta.lst"] = bytes;
  ReadListFile(k);
  // Both unit lists get every unit entry; no entry is made up.
  if (k.ui.cbTani[0].list != k.ui.cbTaniD.list) std::abort();
  const std::size_t lines = SplitLines(bytes).size();
  if (k.ui.Combo2.list.size() + k.ui.cbTaniD.list.size() > lines) std::abort();
  return 0;
}
