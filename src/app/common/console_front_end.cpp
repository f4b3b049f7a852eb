#include "app/common/console_front_end.h"

#include <new>

#include "output/ok_command.h"
#include "startup/load_sequence.h"
#include "startup/run_mode.h"
#include "ui/kaveta.h"

namespace kaveta {
namespace {

// One line per message box; CR LF inside a message become new lines.
class ConsoleDialogs : public Dialogs {
 public:
  explicit ConsoleDialogs(const PrintLine& print) : print_(print) {}
  MsgAnswer Message(const std::string& text, MsgIcon, MsgButtons buttons) override {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
      plain += text[i];
    }
    print_("KAVETA: " + plain);
    switch (buttons) {
      case MsgButtons::YesNo: return MsgAnswer::No;
      case MsgButtons::RetryCancel: return MsgAnswer::Cancel;
      default: return MsgAnswer::Ok;
    }
  }
  std::optional<std::string> ChooseFile(const FileDialogArgs&) override { return std::nullopt; }
  std::optional<std::int32_t> ChooseColour(const ColourDialogArgs&) override {
    return std::nullopt;
  }

 private:
  const PrintLine& print_;
};

class NoClipboard : public Clipboard {
 public:
  void SetText(const std::string&) override {}
};

// Without a window there is no host to hand the file to.
class NoHost : public HostHandOff {
 public:
  explicit NoHost(Dialogs& dialogs) : dialogs_(dialogs) {}
  void Zkakikomi() override {
    dialogs_.Message("jwwを起動してください", MsgIcon::Exclamation, MsgButtons::Ok);
  }

 private:
  Dialogs& dialogs_;
};

}  // namespace

int RunConsoleFrontEnd(const std::string& rawCommandLine, const std::string& programFolder,
                       char separator, FileSystem& files, RegistryReader& registry,
                       const PrintLine& print) {
  ConsoleDialogs dialogs(print);
  NoClipboard clipboard;
  NoHost host(dialogs);
  Environment env;
  env.programFolder = programFolder;
  env.separator = separator;
  env.registry = &registry;
  env.files = &files;
  env.dialogs = &dialogs;
  env.clipboard = &clipboard;
  env.host = &host;

  // Out of memory unwinds through the writers, which remove their
  // temporary files: nothing half written, no file replaced.
  try {
    Kaveta window(env, ChooseRunMode(SplitCommandLine(rawCommandLine)));
    if (RunLoadSequence(window) == LoadOutcome::ProcessEnded) return 1;
    return RunOkCommand(window) == OkOutcome::Written ? 0 : 1;
  } catch (const std::bad_alloc&) {
    dialogs.Message(kOutOfMemoryMessage, MsgIcon::Critical, MsgButtons::Ok);
    return 1;
  }
}

}  // namespace kaveta
