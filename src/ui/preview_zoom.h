// The table preview's zoom and pan as plain arithmetic, free of any window:
// which part of the drawn table the preview's client area shows, and at
// what size. Sizes in pixels are physical pixels at the window's DPI; the
// table is in its own units with y upwards.
#pragma once

#include <string>

namespace kaveta {

// What is drawn, in table units: everything's bounds and one text line's
// height.
struct PreviewExtent {
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
  double textHeight = 0;
};

// A bitmap of the whole table: its size and the scale it is drawn at.
struct PictureSize {
  int width = 0, height = 0;
  double scale = 0;
};

class PreviewZoom {
 public:
  // Texts at the opening view and at the largest zoom, in pixels at 96 DPI
  // (as many points at any other DPI).
  static constexpr double kLegibleText = 11, kLargestText = 200;
  static constexpr double kStep = 1.25;  // one wheel notch or key press
  static constexpr int kCopyLimit = 8000;

  // The drawing, the client area and the DPI, whenever any of them may have
  // changed; `room` is the client area the window would have without its
  // scroll bars (0: the same), which the fit is measured in, so that a
  // scroll bar that comes or goes does not change the zoom. Until the user zooms or pans, the opening view is laid out
  // afresh; after a fit the view stays fitted; otherwise the scale is kept
  // (scaled with the DPI) within its bounds, and the scroll position too.
  void Layout(const PreviewExtent& extent, int clientWidth, int clientHeight, int dpi,
              int roomWidth = 0, int roomHeight = 0);

  // Zooms by kStep^steps (fractions for fine wheels), keeping the table's
  // point under (x, y) of the client area where it is.
  void ZoomAt(double steps, double x, double y);
  void ZoomAtCentre(double steps);
  // Moves the picture by (dx, dy) pixels, as a drag moves it.
  void MoveBy(double dx, double dy);
  // Puts the picture's point (x, y) at the client area's top left, as a
  // scroll bar does.
  void ScrollTo(double x, double y);
  void Fit();

  // Pixels per table unit, and that as a whole percentage of the fitted
  // view's (100 when fitted).
  double Scale() const { return scale_; }
  int Percent() const;
  double FitScale() const;
  double LargestScale() const;
  double TextPixels() const { return extent_.textHeight * scale_; }

  // The table point's place in the client area.
  double X(double tableX) const { return Margin() + (tableX - extent_.minX) * scale_ - scrollX_; }
  double Y(double tableY) const { return Margin() + (extent_.maxY - tableY) * scale_ - scrollY_; }
  // The client area's edges in table units (left, bottom, right, top).
  double LeftEdge() const;
  double RightEdge() const;
  double TopEdge() const;
  double BottomEdge() const;

  // The whole picture at this scale, margins included, and the scroll
  // position within it: a scroll bar's range, page and place. The scroll
  // position is negative on an axis where the picture is smaller than the
  // client area (it is centred there).
  double PictureWidth() const;
  double PictureHeight() const;
  double ScrollX() const { return scrollX_; }
  double ScrollY() const { return scrollY_; }
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }

  // The whole table at this scale, margins included, scaled down to fit
  // kCopyLimit square.
  PictureSize CopySize() const;

  double Margin() const { return 12.0 * dpi_ / 96; }

 private:
  enum class Mode { Opening, Fitted, Free };
  void Open();
  void Clamp();

  PreviewExtent extent_;
  int clientWidth_ = 1, clientHeight_ = 1, roomWidth_ = 1, roomHeight_ = 1, dpi_ = 96;
  double scale_ = 1, scrollX_ = 0, scrollY_ = 0;
  Mode mode_ = Mode::Opening;
};

// "表のプレビュー", with the zoom in brackets unless it is 100 %.
std::string PreviewTitle(int percent);

}  // namespace kaveta
