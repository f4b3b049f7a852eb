#include "ui/preview_zoom.h"

#include <algorithm>
#include <cmath>

namespace kaveta {
namespace {

// A picture this close to the client area's size counts as fitting it, so
// that rounding never shows a scroll bar on a fitted view.
constexpr double kSlack = 0.5;

// One axis: centred when the picture fits, else within the picture.
double ClampAxis(double scroll, double picture, int client) {
  if (picture <= client + kSlack) return -(client - picture) / 2;
  return std::clamp(scroll, 0.0, picture - client);
}

}  // namespace

void PreviewZoom::Layout(const PreviewExtent& extent, int clientWidth, int clientHeight, int dpi,
                         int roomWidth, int roomHeight) {
  const double ratio = dpi > 0 && dpi_ > 0 ? static_cast<double>(dpi) / dpi_ : 1;
  extent_ = extent;
  clientWidth_ = std::max(clientWidth, 1);
  clientHeight_ = std::max(clientHeight, 1);
  roomWidth_ = std::max(roomWidth > 0 ? roomWidth : clientWidth, clientWidth_);
  roomHeight_ = std::max(roomHeight > 0 ? roomHeight : clientHeight, clientHeight_);
  dpi_ = dpi > 0 ? dpi : 96;
  switch (mode_) {
    case Mode::Opening: Open(); return;
    case Mode::Fitted: scale_ = FitScale(); break;
    case Mode::Free:
      // The same place at the same physical size after a DPI change.
      scale_ *= ratio;
      scrollX_ *= ratio;
      scrollY_ *= ratio;
      break;
  }
  Clamp();
}

void PreviewZoom::Open() {
  const double fit = FitScale(), legible = kLegibleText * dpi_ / 96;
  scale_ = extent_.textHeight <= 0 || extent_.textHeight * fit >= legible
               ? fit
               : std::min(legible / extent_.textHeight, LargestScale());
  scrollX_ = scrollY_ = 0;  // the table's top left corner
  Clamp();
}

void PreviewZoom::Clamp() {
  scale_ = std::clamp(scale_, FitScale(), LargestScale());
  scrollX_ = ClampAxis(scrollX_, PictureWidth(), clientWidth_);
  scrollY_ = ClampAxis(scrollY_, PictureHeight(), clientHeight_);
}

void PreviewZoom::ZoomAt(double steps, double x, double y) {
  const double fit = FitScale();
  double target = std::clamp(scale_ * std::pow(kStep, steps), fit, LargestScale());
  if (target < fit * 1.01) target = fit;  // a step out that ends near the fit ends on it
  const double m = Margin(), ratio = target / scale_;
  scrollX_ = (x + scrollX_ - m) * ratio + m - x;
  scrollY_ = (y + scrollY_ - m) * ratio + m - y;
  scale_ = target;
  mode_ = target == fit ? Mode::Fitted : Mode::Free;
  Clamp();
}

void PreviewZoom::ZoomAtCentre(double steps) {
  ZoomAt(steps, clientWidth_ / 2.0, clientHeight_ / 2.0);
}

void PreviewZoom::MoveBy(double dx, double dy) { ScrollTo(scrollX_ - dx, scrollY_ - dy); }

void PreviewZoom::ScrollTo(double x, double y) {
  scrollX_ = x;
  scrollY_ = y;
  if (mode_ == Mode::Opening && scale_ > FitScale()) mode_ = Mode::Free;
  Clamp();
}

void PreviewZoom::Fit() {
  mode_ = Mode::Fitted;
  scale_ = FitScale();
  Clamp();
}

int PreviewZoom::Percent() const {
  return static_cast<int>(std::lround(scale_ / FitScale() * 100));
}

double PreviewZoom::FitScale() const {
  const double w = std::max(extent_.maxX - extent_.minX, 1e-9);
  const double h = std::max(extent_.maxY - extent_.minY, 1e-9);
  const double room = std::max(roomWidth_ - 2 * Margin(), 1.0);
  const double roomY = std::max(roomHeight_ - 2 * Margin(), 1.0);
  return std::min(room / w, roomY / h);
}

double PreviewZoom::LargestScale() const {
  const double fit = FitScale();
  if (extent_.textHeight <= 0) return fit;
  return std::max(fit, kLargestText * dpi_ / 96 / extent_.textHeight);
}

double PreviewZoom::PictureWidth() const {
  return (extent_.maxX - extent_.minX) * scale_ + 2 * Margin();
}

double PreviewZoom::PictureHeight() const {
  return (extent_.maxY - extent_.minY) * scale_ + 2 * Margin();
}

double PreviewZoom::LeftEdge() const { return extent_.minX + (scrollX_ - Margin()) / scale_; }
double PreviewZoom::RightEdge() const {
  return extent_.minX + (scrollX_ + clientWidth_ - Margin()) / scale_;
}
double PreviewZoom::TopEdge() const { return extent_.maxY - (scrollY_ - Margin()) / scale_; }
double PreviewZoom::BottomEdge() const {
  return extent_.maxY - (scrollY_ + clientHeight_ - Margin()) / scale_;
}

PictureSize PreviewZoom::CopySize() const {
  const double w = extent_.maxX - extent_.minX, h = extent_.maxY - extent_.minY;
  const double m = Margin(), limit = kCopyLimit;
  double scale = scale_;
  if (w * scale + 2 * m > limit) scale = (limit - 2 * m) / w;
  if (h * scale + 2 * m > limit) scale = (limit - 2 * m) / h;
  const auto side = [&](double units) {
    return static_cast<int>(std::clamp(std::ceil(units * scale + 2 * m), 1.0, limit));
  };
  return {side(w), side(h), scale};
}

std::string PreviewTitle(int percent) {
  std::string title = "表のプレビュー";
  if (percent != 100) title += " (" + std::to_string(percent) + "%)";
  return title;
}

}  // namespace kaveta
