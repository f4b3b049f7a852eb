#include "exchange/breakdown.h"

#include <gtest/gtest.h>

namespace kaveta {
namespace {

struct Cut {
  std::vector<std::string> numbers, bases, heights, doubles;
};

Cut CutOf(std::vector<double> x, std::vector<double> y, double area = 0) {
  x.insert(x.begin(), 0);
  y.insert(y.begin(), 0);
  Cut c;
  for (const Triangle& t : CutFigure(7, x, y, area)) {
    c.numbers.push_back(t.number);
    c.bases.push_back(t.cut ? t.base.Text(3) : "-");
    c.heights.push_back(t.cut ? t.height.Text(3) : "-");
    c.doubles.push_back(t.doubleArea.Text(6));
  }
  return c;
}

// The same figure in every corner order and direction gives the same table.
TEST(Breakdown, CornerOrderDoesNotChangeTheFigures) {
  const std::vector<std::vector<int>> orders = {{0, 1, 2}, {1, 2, 0}, {2, 1, 0}, {0, 2, 1}};
  const double rx[3] = {0, 3000, 0}, ry[3] = {0, 0, 4000};  // right triangle 3-4-5
  for (const auto& o : orders) {
    const Cut c = CutOf({rx[o[0]], rx[o[1]], rx[o[2]]}, {ry[o[0]], ry[o[1]], ry[o[2]]});
    EXPECT_EQ(c.bases, std::vector<std::string>{"5.000"});
    EXPECT_EQ(c.heights, std::vector<std::string>{"2.400"});
    EXPECT_EQ(c.doubles, std::vector<std::string>{"12.000000"});
  }
  const double sx[4] = {0, 2000, 2000, 0}, sy[4] = {0, 0, 2000, 2000};
  for (const std::vector<int>& o : std::vector<std::vector<int>>{{0, 1, 2, 3}, {3, 2, 1, 0}, {2, 3, 0, 1}}) {
    const Cut c = CutOf({sx[o[0]], sx[o[1]], sx[o[2]], sx[o[3]]}, {sy[o[0]], sy[o[1]], sy[o[2]], sy[o[3]]});
    EXPECT_EQ(c.numbers, (std::vector<std::string>{"(7-1)", "(7-2)"}));
    EXPECT_EQ(c.bases, (std::vector<std::string>{"2.828", "2.828"}));
    EXPECT_EQ(c.doubles, (std::vector<std::string>{"3.998792", "3.998792"}));  // 2.828 x 1.414
  }
}

TEST(Breakdown, ConcaveCrossingAndDegenerateFigures) {
  // Reflex corner at 2: the 1-3 diagonal runs outside, so 2-4 is taken.
  const Cut concave = CutOf({2000, 0, -2000, 0}, {2000, 1000, 2000, 0});
  EXPECT_EQ(concave.numbers, (std::vector<std::string>{"(7-1)", "(7-2)"}));
  EXPECT_EQ(concave.bases, (std::vector<std::string>{"2.828", "2.828"}));
  EXPECT_EQ(concave.doubles, (std::vector<std::string>{"1.999396", "1.999396"}));  // the 1-3 cut gives 4 and 0
  const Cut bowtie = CutOf({0, 1000, 1000, 0}, {0, 1000, 0, 1000}, 0.5);
  EXPECT_EQ(bowtie.numbers, std::vector<std::string>{"(7)"});
  EXPECT_EQ(bowtie.bases, std::vector<std::string>{"-"});
  EXPECT_EQ(bowtie.doubles, std::vector<std::string>{"1.000000"});
  const Cut point = CutOf({5, 5, 5}, {5, 5, 5});
  EXPECT_EQ(point.bases, std::vector<std::string>{"0.000"});
  EXPECT_EQ(point.doubles, std::vector<std::string>{"0.000000"});
  // Equal longest sides: the first in corner order is the base.
  std::vector<double> x = {0, 0, 2000, 1000}, y = {0, 0, 0, 3000};
  const std::vector<Triangle> t = CutFigure(1, x, y, 3);
  ASSERT_EQ(t.size(), 1u);
  EXPECT_TRUE(t[0].hasHeight);
  EXPECT_DOUBLE_EQ(t[0].apexX, 0);  // base 2-3, apex corner 1
}

}  // namespace
}  // namespace kaveta
