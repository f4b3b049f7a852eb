#include "ui/preview_zoom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace kaveta::testing {
namespace {

// A table 400 x 300 units with texts 2.5 high: in a 440 x 330 window the fit
// is about 1.02 px per unit, texts about 2.5 px.
constexpr PreviewExtent kSmallTexts{100, -300, 500, 0, 2.5};
// The same table with texts 40 high: about 41 px at the fit.
constexpr PreviewExtent kLargeTexts{100, -300, 500, 0, 40};

// The table point under a client point.
double TableX(const PreviewZoom& z, double x) { return z.LeftEdge() + x / z.Scale(); }
double TableY(const PreviewZoom& z, double y) { return z.TopEdge() - y / z.Scale(); }

struct OpeningCase {
  const char* what;
  PreviewExtent extent;
  int width, height, dpi;
  bool fitted;      // else the texts are legible and the top left shown
  double textPx;    // the texts' height then
};

TEST(PreviewZoom, OpensFittedWhenTheTextsReadElseAtLegibleTextsFromTheTopLeft) {
  const std::vector<OpeningCase> cases = {
      {"large texts fit", kLargeTexts, 440, 330, 96, true, 0},
      {"small texts at 96 DPI", kSmallTexts, 440, 330, 96, false, 11},
      {"small texts at 144 DPI", kSmallTexts, 660, 495, 144, false, 16.5},
      {"no texts at all", {0, 0, 400, 300, 0}, 440, 330, 96, true, 0},
      {"a tall narrow table", {0, -5000, 100, 0, 2.5}, 440, 330, 96, false, 11},
  };
  for (const OpeningCase& c : cases) {
    SCOPED_TRACE(c.what);
    PreviewZoom z;
    z.Layout(c.extent, c.width, c.height, c.dpi);
    if (c.fitted) {
      EXPECT_EQ(z.Percent(), 100);
      EXPECT_DOUBLE_EQ(z.Scale(), z.FitScale());
      EXPECT_LE(z.PictureWidth(), c.width + 0.5);
      EXPECT_LE(z.PictureHeight(), c.height + 0.5);
    } else {
      EXPECT_NEAR(z.TextPixels(), c.textPx, 1e-9);
      EXPECT_GT(z.Percent(), 100);
      EXPECT_NEAR(z.X(c.extent.minX), z.Margin(), 1e-9) << "the left edge shown";
      EXPECT_NEAR(z.Y(c.extent.maxY), z.Margin(), 1e-9) << "the top edge shown";
    }
  }
}

struct ZoomCase {
  const char* what;
  double steps, x, y;
};

TEST(PreviewZoom, ZoomKeepsThePointUnderThePointerWhereItIs) {
  const std::vector<ZoomCase> cases = {
      {"one notch in at the top left", 1, 10, 10},
      {"two notches in at the bottom right", 2, 430, 320},
      {"a notch out in the middle", -1, 220, 165},
      {"a fine wheel's quarter notch", 0.25, 300, 100},
  };
  for (const ZoomCase& c : cases) {
    SCOPED_TRACE(c.what);
    PreviewZoom z;
    z.Layout(kSmallTexts, 440, 330, 96);
    z.ZoomAt(3, 220, 165);  // room to move both ways
    z.MoveBy(-200, -150);
    const double beforeX = TableX(z, c.x), beforeY = TableY(z, c.y), scale = z.Scale();
    z.ZoomAt(c.steps, c.x, c.y);
    EXPECT_NEAR(z.Scale() / scale, std::pow(1.25, c.steps), 1e-9);
    EXPECT_NEAR(TableX(z, c.x), beforeX, 1e-6);
    EXPECT_NEAR(TableY(z, c.y), beforeY, 1e-6);
  }
}

TEST(PreviewZoom, ZoomStaysBetweenTheFitAndTextsTwoHundredPixelsHigh) {
  PreviewZoom z;
  z.Layout(kSmallTexts, 440, 330, 96);
  z.ZoomAtCentre(100);
  EXPECT_NEAR(z.TextPixels(), 200, 1e-9);
  z.ZoomAtCentre(-100);
  EXPECT_EQ(z.Percent(), 100);
  z.ZoomAtCentre(1);
  EXPECT_EQ(z.Percent(), 125);
  z.ZoomAtCentre(-0.99);  // would end a hair above the fit: ends on it
  EXPECT_EQ(z.Percent(), 100);
  EXPECT_EQ(PreviewTitle(z.Percent()), "表のプレビュー");

  // At 144 DPI the largest texts are as many points: 300 px.
  z.Layout(kSmallTexts, 660, 495, 144);
  z.ZoomAtCentre(100);
  EXPECT_NEAR(z.TextPixels(), 300, 1e-9);
}

struct MoveCase {
  const char* what;
  double dx, dy;
  double scrollX, scrollY;  // -1: the far end
};

TEST(PreviewZoom, PanningStaysWithinThePicture) {
  const std::vector<MoveCase> cases = {
      {"dragged right and down past the top left", 5000, 5000, 0, 0},
      {"dragged left and up past the bottom right", -5000, -5000, -1, -1},
      {"a little left", -30, 0, 30, 0},
      {"a little up", 0, -40, 0, 40},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.what);
    PreviewZoom z;
    z.Layout(kSmallTexts, 440, 330, 96);  // opens at the top left, zoomed in
    ASSERT_GT(z.PictureWidth(), 440);
    ASSERT_GT(z.PictureHeight(), 330);
    z.MoveBy(c.dx, c.dy);
    EXPECT_NEAR(z.ScrollX(), c.scrollX < 0 ? z.PictureWidth() - 440 : c.scrollX, 1e-9);
    EXPECT_NEAR(z.ScrollY(), c.scrollY < 0 ? z.PictureHeight() - 330 : c.scrollY, 1e-9);
  }
  // A picture smaller than the window stays centred whatever moves it.
  PreviewZoom fitted;
  fitted.Layout(kLargeTexts, 440, 330, 96);
  const double x = fitted.ScrollX(), y = fitted.ScrollY();
  fitted.MoveBy(100, -100);
  EXPECT_DOUBLE_EQ(fitted.ScrollX(), x);
  EXPECT_DOUBLE_EQ(fitted.ScrollY(), y);
  EXPECT_NEAR(fitted.X(100) + fitted.X(500), 440, 1e-9) << "centred across";
}

struct RelayoutCase {
  const char* what;
  int action;  // 0 none (opening), 1 fit, 2 zoom in and pan
  int width, height, dpi;
};

TEST(PreviewZoom, ResizeAndDpiChangeKeepWhatTheUserChose) {
  const std::vector<RelayoutCase> cases = {
      {"opening view, window wider", 0, 600, 330, 96},
      {"opening view, to 144 DPI", 0, 660, 495, 144},
      {"fitted, window smaller", 1, 300, 200, 96},
      {"fitted, to 144 DPI", 1, 660, 495, 144},
      {"zoomed, window larger", 2, 600, 400, 96},
      {"zoomed, to 144 DPI", 2, 660, 495, 144},
  };
  for (const RelayoutCase& c : cases) {
    SCOPED_TRACE(c.what);
    PreviewZoom z;
    z.Layout(kSmallTexts, 440, 330, 96);
    if (c.action == 1) z.Fit();
    if (c.action == 2) {
      z.ZoomAt(2, 100, 100);
      z.MoveBy(-50, -60);
    }
    const double text = z.TextPixels(), left = z.LeftEdge(), top = z.TopEdge();
    z.Layout(kSmallTexts, c.width, c.height, c.dpi);
    const double dpiRatio = c.dpi / 96.0;
    if (c.action == 1) {
      EXPECT_EQ(z.Percent(), 100);
    } else {
      EXPECT_NEAR(z.TextPixels(), text * dpiRatio, 1e-9) << "the same size in points";
      EXPECT_NEAR(z.LeftEdge(), left, 1e-9) << "the same place";
      EXPECT_NEAR(z.TopEdge(), top, 1e-9);
    }
  }
}

TEST(PreviewZoom, ScrollBarsComingOrGoingLeaveTheZoom) {
  PreviewZoom z;
  z.Layout(kSmallTexts, 440, 330, 96);
  const int percent = z.Percent();
  const double scale = z.Scale();
  z.Layout(kSmallTexts, 423, 313, 96, 440, 330);  // both bars shown
  EXPECT_EQ(z.Percent(), percent);
  EXPECT_DOUBLE_EQ(z.Scale(), scale);
  EXPECT_NEAR(z.ScrollX(), 0, 1e-9);
  z.MoveBy(-1e6, -1e6);
  EXPECT_NEAR(z.ScrollX(), z.PictureWidth() - 423, 1e-9) << "panned within the smaller area";
  EXPECT_NEAR(z.ScrollY(), z.PictureHeight() - 313, 1e-9);
  z.Fit();  // fitted to the room: the bars will go
  EXPECT_LE(z.PictureWidth(), 440.5);
  EXPECT_LE(z.PictureHeight(), 330.5);
}

TEST(PreviewZoom, AWindowGrownPastAZoomedPictureFitsIt) {
  PreviewZoom z;
  z.Layout(kSmallTexts, 440, 330, 96);
  z.ZoomAtCentre(1);
  z.Layout(kSmallTexts, 4400, 3300, 96);
  EXPECT_EQ(z.Percent(), 100);
}

struct CopyCase {
  const char* what;
  PreviewExtent extent;
  double steps;
  int width, height;  // 0: the picture's own size
};

TEST(PreviewZoom, CopyIsTheWholeTableAtTheZoomWithinEightThousandPixels) {
  const std::vector<CopyCase> cases = {
      {"fitted", kSmallTexts, 0, 0, 0},
      {"zoomed in", kSmallTexts, 4, 0, 0},
      {"wide, at the largest zoom", {0, -300, 40000, 0, 2.5}, 100, 8000, 0},
      {"tall, at the largest zoom", {0, -40000, 300, 0, 2.5}, 100, 0, 8000},
  };
  for (const CopyCase& c : cases) {
    SCOPED_TRACE(c.what);
    PreviewZoom z;
    z.Layout(c.extent, 440, 330, 96);
    z.Fit();
    z.ZoomAtCentre(c.steps);
    const PictureSize p = z.CopySize();
    const double w = c.extent.maxX - c.extent.minX, h = c.extent.maxY - c.extent.minY;
    EXPECT_LE(p.width, 8000);
    EXPECT_LE(p.height, 8000);
    if (c.width == 0 && c.height == 0) {
      EXPECT_DOUBLE_EQ(p.scale, z.Scale());
      EXPECT_EQ(p.width, static_cast<int>(std::ceil(z.PictureWidth())));
      EXPECT_EQ(p.height, static_cast<int>(std::ceil(z.PictureHeight())));
    } else {
      EXPECT_LT(p.scale, z.Scale());
      if (c.width) {
        EXPECT_EQ(p.width, c.width);
      }
      if (c.height) {
        EXPECT_EQ(p.height, c.height);
      }
      EXPECT_NEAR(w / h, (p.width - 2 * z.Margin()) / (p.height - 2 * z.Margin()), w / h * 0.01)
          << "the shape kept";
    }
  }
}

TEST(PreviewZoom, TitleShowsTheZoomUnlessItIsTheFit) {
  const std::vector<std::pair<int, std::string>> cases = {
      {100, "表のプレビュー"},
      {150, "表のプレビュー (150%)"},
      {99, "表のプレビュー (99%)"},
      {1221, "表のプレビュー (1221%)"},
  };
  for (const auto& [percent, title] : cases) EXPECT_EQ(PreviewTitle(percent), title);
}

}  // namespace
}  // namespace kaveta::testing
