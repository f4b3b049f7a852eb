#include "output/preview_scene.h"

#include <algorithm>

#include "number/number_text.h"
#include "text/lines.h"

namespace kaveta {
namespace {

constexpr std::int32_t kBlack = 0;

// The number after an attribute line's prefix ("lc5" -> 5), or -1.
int AttributeNumber(const std::string& line, const char* prefix) {
  const std::string_view p(prefix);
  if (line.size() <= p.size() || line.compare(0, p.size(), p) != 0) return -1;
  std::int32_t n = 0;
  return ParseInt32(line.substr(p.size()), n) ? n : -1;
}

std::int32_t PenColour(const RunState& s, int pen) {
  return pen >= 1 && pen <= 9 ? s.penColourTable[static_cast<std::size_t>(pen)] : kBlack;
}

void Include(PreviewScene& scene, double x, double y) {
  if (scene.Empty()) {
    scene.minX = scene.maxX = x;
    scene.minY = scene.maxY = y;
    return;
  }
  scene.minX = std::min(scene.minX, x);
  scene.maxX = std::max(scene.maxX, x);
  scene.minY = std::min(scene.minY, y);
  scene.maxY = std::max(scene.maxY, y);
}

}  // namespace

PreviewScene SceneOfItems(const RunState& s, const TableInputs& in, const DrawList& items) {
  PreviewScene scene;
  scene.textWidth = in.cw;
  scene.textHeight = in.chh;
  scene.textSpacing = in.cs;
  std::int32_t textPen = 0;
  const std::string& kindColour = s.headerTextColour[static_cast<std::size_t>(std::clamp(in.textKind, 0, 16))];
  scene.textColour = ParseInt32(kindColour, textPen) ? PenColour(s, textPen) : kBlack;

  std::int32_t lineColour = kBlack, solidColour = kBlack;
  int lineType = 1;
  double penX = 0, penY = 0;
  const auto addLine = [&](double x1, double y1, double x2, double y2) {
    scene.lines.push_back({x1, y1, x2, y2, lineColour, lineType});
    Include(scene, x1, y1);
    Include(scene, x2, y2);
  };
  const auto addText = [&](double x, double y, const std::string& text) {
    SceneText t{x, y, text, static_cast<int>(SjisByteLength(text))};
    const double width = t.halfWidths * (in.cw + in.cs) / 2.0;
    Include(scene, x, y);
    Include(scene, x + width, y + in.chh);
    scene.texts.push_back(std::move(t));
  };
  for (const DrawItem& item : items) {
    switch (item.kind) {
      case ItemKind::Line:
        if (const int pen = AttributeNumber(item.text, "lc"); pen >= 0) lineColour = PenColour(s, pen);
        if (const int type = AttributeNumber(item.text, "lt"); type >= 0) lineType = type;
        if (item.text == "r1") penX = penY = 0;
        break;
      case ItemKind::Colour: solidColour = item.colour; break;
      case ItemKind::Displacement:
        addLine(penX, penY, penX + item.v[0], penY + item.v[1]);
        penX += item.v[0];
        penY += item.v[1];
        break;
      case ItemKind::Segment: addLine(item.v[0], item.v[1], item.v[2], item.v[3]); break;
      case ItemKind::Solid: {
        SceneSolid solid;
        for (std::size_t i = 0; i < 8; ++i) solid.corners[i] = item.v[i];
        solid.colour = solidColour;
        for (std::size_t i = 0; i < 8; i += 2) Include(scene, solid.corners[i], solid.corners[i + 1]);
        scene.solids.push_back(solid);
        break;
      }
      case ItemKind::Text: addText(item.v[0], item.v[1], item.text); break;
      case ItemKind::Title: addText(1, 1, item.text); break;  // the host's title place
    }
  }
  return scene;
}

}  // namespace kaveta
