#include "output/output_writer.h"

#include "exchange/host_settings.h"
#include "platform/encoding.h"
#include "settings/format.h"

namespace kaveta {

std::string LayerDigit(int row) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  if (row < 1 || row > 16) return "";
  return std::string(1, kDigits[row - 1]);
}

std::string Num(float value) { return SingleText(value); }
std::string Num(double value) { return DoubleText(value); }

void OutputText::Item(std::string_view item) {
  text_ += item;
  text_ += "\r\n";
}

void OutputText::Colour(std::int32_t colour) { Item("lc10 " + std::to_string(colour)); }

void OutputText::Layer(int row) { Item("ly" + LayerDigit(row)); }

void OutputText::LayerName(std::string_view name) { Item("lyn" + std::string(name)); }

void OutputText::LayerGroup(std::string_view group) { Item("lg" + std::string(group)); }

void OutputText::Displacement(float dx, float dy) { Item(Num(dx) + " " + Num(dy)); }

void OutputText::Segment(float x1, float y1, float x2, float y2) {
  Item(Num(x1) + " " + Num(y1) + " " + Num(x2) + " " + Num(y2));
}

void OutputText::Chars(std::string_view x, std::string_view y, std::string_view text) {
  std::string line = "ch ";
  line += x;
  line += ' ';
  line += y;
  line += " 1 0 \"";
  line += text;
  Item(line);
}

void OutputText::TextAt(float x, float y, std::string_view text) { Chars(Num(x), Num(y), text); }

void OutputText::LabelAt(double x, double y, std::string_view text) { Chars(Num(x), Num(y), text); }

void OutputText::Title(std::string_view title) { Item("ch 1 1 2 0\"" + std::string(title)); }

void OutputText::Solid(const std::array<std::string, 8>& numbers) {
  std::string line = "sl";
  for (const auto& n : numbers) line += " " + n;
  Item(line);
}

std::string ExchangeOutputPath(const Kaveta& k) {
  if (IsRegroupMode(k.runMode)) return k.env.InProgramFolder("JWC_TEMP.TXT");
  return k.env.Join(ReadZFile(*k.env.registry), "ZTEMP.TXT");
}

bool WriteExchangeOutput(Kaveta& k, const std::string& path, const std::string& utf8) {
  return k.env.files->WriteReplace(path, Utf8ToCp932(utf8));
}

}  // namespace kaveta
