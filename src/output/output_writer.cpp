#include "output/output_writer.h"

#include <algorithm>

#include "exchange/host_settings.h"
#include "platform/encoding.h"
#include "number/number_text.h"
#include "text/ascii.h"

namespace kaveta {

std::string LayerDigit(int row) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  if (row < 1 || row > 16) return "";
  return std::string(1, kDigits[row - 1]);
}


void OutputText::Item(std::string_view item) {
  if (file_ && item.size() >= kPiece) {
    // A colour group's stored block: straight from the block to the file.
    Send(text_);
    text_.clear();
    Send(item);
  } else {
    text_ += item;
  }
  text_ += "\r\n";
  if (file_ && text_.size() >= kPiece) {
    Send(text_);
    text_.clear();
  }
}

bool OutputText::Finish() {
  if (file_) {
    Send(text_);
    text_.clear();
  }
  return !failed_;
}

namespace {

// Line by line: the few lines with Japanese text are converted, the plain
// ones around them only copied.
std::string Converted(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    const std::size_t end = std::min(utf8.find('\n'), utf8.size() - 1) + 1;
    const std::string_view line = utf8.substr(0, end);
    if (IsAscii(line))
      out.append(line);
    else
      out.append(Utf8ToCp932(line));
    utf8.remove_prefix(end);
  }
  return out;
}

}  // namespace

// Pieces end on a character boundary, so each converts on its own; plain
// ASCII pieces (nearly all figure lines) need no conversion and no copy.
void OutputText::Send(std::string_view utf8) {
  while (!utf8.empty() && !failed_) {
    std::size_t end = std::min(utf8.size(), kPiece);
    while (end > 0 && end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
      --end;
    if (end == 0) end = std::min(utf8.size(), kPiece);  // not UTF-8 at all: cut anywhere
    const std::string_view piece = utf8.substr(0, end);
    failed_ = !(IsAscii(piece) ? file_->Write(piece) : file_->Write(Converted(piece)));
    utf8.remove_prefix(end);
  }
}

void OutputText::Colour(std::int32_t colour) { Item("lc10 " + std::to_string(colour)); }

void OutputText::Layer(int row) { Item("ly" + LayerDigit(row)); }

void OutputText::LayerName(std::string_view name) { Item("lyn" + std::string(name)); }

void OutputText::LayerGroup(std::string_view group) { Item("lg" + std::string(group)); }

std::string ExchangeOutputPath(const Environment& env, RunMode mode) {
  if (IsRegroupMode(mode)) return env.InProgramFolder("JWC_TEMP.TXT");
  return env.Join(ReadZFile(*env.registry), "ZTEMP.TXT");
}

}  // namespace kaveta
