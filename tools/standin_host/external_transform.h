// The host's external transformation, as the stand-in plays it: the
// selection goes out in JWC_TEMP.TXT, the batch file runs, and what comes
// back decides what the host would draw.
#pragma once

#include <string>

namespace standin {

struct ExternalRun {
  std::wstring batchFile;
  std::wstring selectionFile;  // figure lines, Shift_JIS, as the host writes them
  int waitLimitMs = 120000;
};

// Runs the batch file with the command processor and waits for it while
// the host's windows keep answering messages. Everything goes to the log.
void RunExternalTransformation(const ExternalRun& run);

}  // namespace standin
