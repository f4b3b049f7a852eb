#include "app/win32/preview_paint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <utility>

#include "app/win32/fonts.h"
#include "platform/win32/wide_text.h"

namespace kaveta::view {
namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);

COLORREF Colour(std::int32_t bgr) { return static_cast<COLORREF>(bgr) & 0xFFFFFF; }

// The host's line types: 1 solid, 2-4 dashed, 5-6 dash-dot, 7-8 dash-dot-dot,
// 9 dotted.
DWORD PenStyle(int lineType) {
  if (lineType >= 2 && lineType <= 4) return PS_DASH;
  if (lineType == 5 || lineType == 6) return PS_DASHDOT;
  if (lineType == 7 || lineType == 8) return PS_DASHDOTDOT;
  if (lineType == 9) return PS_DOT;
  return PS_SOLID;
}

// The table's text face, looked up once: the host's own Japanese gothic.
const LOGFONTW& TextFace() {
  static const LOGFONTW face = [] {
    LOGFONTW lf{};
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    SetFaceWithFallback(lf, L"ＭＳ ゴシック");
    return lf;
  }();
  return face;
}

void PaintNote(HDC dc, const std::string& text, RECT area, int dpi) {
  LOGFONTW lf = TextFace();
  lf.lfHeight = -MulDiv(9, dpi, 72);
  HFONT font = CreateFontIndirectW(&lf);
  HGDIOBJ old = SelectObject(dc, font);
  SetTextColor(dc, RGB(96, 96, 96));
  SetBkMode(dc, TRANSPARENT);
  InflateRect(&area, -MulDiv(12, dpi, 96), -MulDiv(12, dpi, 96));
  const std::wstring wide = Utf8ToWide(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, DT_CENTER | DT_WORDBREAK);
  SelectObject(dc, old);
  DeleteObject(font);
}

// The client area in table units, a few pixels wider all round so that a
// pen's width or a glyph's overhang at the edge is not cut.
struct Window {
  double left, bottom, right, top;
  Window(const PreviewZoom& z, double pixels)
      : left(z.LeftEdge() - pixels / z.Scale()),
        bottom(z.BottomEdge() - pixels / z.Scale()),
        right(z.RightEdge() + pixels / z.Scale()),
        top(z.TopEdge() + pixels / z.Scale()) {}
  bool Meets(double x1, double y1, double x2, double y2) const {
    return std::max(x1, x2) >= left && std::min(x1, x2) <= right && std::max(y1, y2) >= bottom &&
           std::min(y1, y2) <= top;
  }
};

// GDI objects made once per paint and shared by the items that use them.
class Pens {
 public:
  explicit Pens(DWORD width) : width_(width) {}
  ~Pens() {
    for (auto& [key, pen] : pens_) DeleteObject(pen);
  }
  Pens(const Pens&) = delete;
  Pens& operator=(const Pens&) = delete;
  HPEN Get(std::int32_t colour, int lineType) {
    HPEN& pen = pens_[{colour, lineType}];
    if (!pen) {
      const LOGBRUSH lb{BS_SOLID, Colour(colour), 0};
      pen = ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PenStyle(lineType), width_, &lb, 0,
                         nullptr);
    }
    return pen;
  }

 private:
  DWORD width_;
  std::map<std::pair<std::int32_t, int>, HPEN> pens_;
};

int Round(double v) { return static_cast<int>(std::lround(v)); }

// The part of the line from (x1, y1) to (x2, y2) in pixels that lies within
// `box`, as the line's parameters t0..t1; false when none does. GDI draws a
// zoomed-in line all along its length, dashes and all, however little of it
// is shown, so a long rule at a large zoom would cost its whole length.
bool ClipLine(double x1, double y1, double x2, double y2, const RECT& box, double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  const double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - box.left, box.right - x1, y1 - box.top, box.bottom - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
  }
  return t0 <= t1;
}

}  // namespace

PreviewExtent ExtentOf(const PreviewScene& scene) {
  return {scene.minX, scene.minY, scene.maxX, scene.maxY, scene.textHeight};
}

bool Drawable(const PreviewScene& scene) { return scene.problem.empty() && !scene.Empty(); }

void PaintScene(HDC dc, const PreviewScene& scene, const PreviewZoom& zoom, int dpi) {
  RECT all{0, 0, zoom.ClientWidth(), zoom.ClientHeight()};
  HBRUSH paper = CreateSolidBrush(kPaper);
  FillRect(dc, &all, paper);
  DeleteObject(paper);
  if (!Drawable(scene)) {
    PaintNote(dc, scene.problem.empty() ? "表に書く行がありません。" : scene.problem, all, dpi);
    return;
  }
  const double scale = zoom.Scale();
  const Window shown(zoom, 4.0 * dpi / 96);

  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  std::map<std::int32_t, HBRUSH> brushes;
  HGDIOBJ oldBrush = GetCurrentObject(dc, OBJ_BRUSH);
  for (const SceneSolid& s : scene.solids) {
    const auto& c = s.corners;
    const auto [minX, maxX] = std::minmax({c[0], c[2], c[4], c[6]});
    const auto [minY, maxY] = std::minmax({c[1], c[3], c[5], c[7]});
    if (!shown.Meets(minX, minY, maxX, maxY)) continue;
    POINT p[4];
    for (int i = 0; i < 4; ++i) p[i] = {Round(zoom.X(c[2 * i])), Round(zoom.Y(c[2 * i + 1]))};
    HBRUSH& brush = brushes[s.colour];
    if (!brush) brush = CreateSolidBrush(Colour(s.colour));
    SelectObject(dc, brush);
    Polygon(dc, p, 4);
  }
  SelectObject(dc, oldBrush);
  for (auto& [colour, brush] : brushes) DeleteObject(brush);

  {
    const int penWidth = std::max(1, dpi / 96);
    Pens pens(static_cast<DWORD>(penWidth));
    // Cut lines start a whole number of dash periods (24 pen widths for
    // every GDI dash style) from their own start, so their dashes do not
    // crawl as the picture moves.
    const double period = 24.0 * penWidth;
    RECT box = all;
    InflateRect(&box, 8 * penWidth, 8 * penWidth);
    for (const SceneLine& l : scene.lines) {
      if (!shown.Meets(l.x1, l.y1, l.x2, l.y2)) continue;
      const double x1 = zoom.X(l.x1), y1 = zoom.Y(l.y1), x2 = zoom.X(l.x2), y2 = zoom.Y(l.y2);
      double t0 = 0, t1 = 1;
      if (!ClipLine(x1, y1, x2, y2, box, t0, t1)) continue;
      const double length = std::hypot(x2 - x1, y2 - y1);
      if (t0 > 0 && length > 0) t0 = std::floor(t0 * length / period) * period / length;
      SelectObject(dc, pens.Get(l.colour, l.lineType));
      MoveToEx(dc, Round(x1 + (x2 - x1) * t0), Round(y1 + (y2 - y1) * t0), nullptr);
      LineTo(dc, Round(x1 + (x2 - x1) * t1), Round(y1 + (y2 - y1) * t1));
    }
    SelectObject(dc, oldPen);
  }

  // A half-width character is half the kind's width; its spacing too.
  LOGFONTW lf = TextFace();
  lf.lfHeight = -std::max(1L, std::lround(scene.textHeight * scale));
  lf.lfWidth = std::max(1L, std::lround(scene.textWidth * scale / 2));
  HFONT font = CreateFontIndirectW(&lf);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetTextColor(dc, Colour(scene.textColour));
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_BOTTOM | TA_NOUPDATECP);
  SetTextCharacterExtra(dc, Round(scene.textSpacing * scale / 2));
  const double halfWidth = (scene.textWidth + scene.textSpacing) / 2;
  for (const SceneText& t : scene.texts) {
    if (!shown.Meets(t.x, t.y, t.x + t.halfWidths * halfWidth, t.y + scene.textHeight)) continue;
    const std::wstring wide = Utf8ToWide(t.text);
    TextOutW(dc, Round(zoom.X(t.x)), Round(zoom.Y(t.y)), wide.c_str(),
             static_cast<int>(wide.size()));
  }
  SelectObject(dc, oldFont);
  DeleteObject(font);
}

}  // namespace kaveta::view
