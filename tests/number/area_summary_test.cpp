#include "number/area_summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kaveta {
namespace {

enum Role {
  kNone,
  kSite,
  kSiteCut,
  kBuilding,
  kFloor,
  kFloorCut,
  kGarage,
  kStore,
  kBattery,
  kGenerator,
  kTank,
  kParcel,
  kShaft
};

SummaryRow Row(int i, int role, const char* quantity, const char* unit = "m^2", bool inUse = true) {
  return SummaryRow{i, inUse, role, quantity, unit};
}

// One line per summary line, fields joined by "|", as the table reads.
std::vector<std::string> Shown(const SummaryInput& in) {
  std::vector<std::string> out;
  for (const SummaryLine& l : AreaSummary(in))
    out.push_back(l.item + "|" + l.value + "|" + l.unit + "|" + l.remark);
  return out;
}

SummaryInput WorkedExample() {
  SummaryInput in;
  in.digits = 2;
  in.rows = {Row(1, kSite, "200.00"), Row(2, kBuilding, "110.00"), Row(3, kFloor, "120.00"),
             Row(4, kFloor, "80.00"), Row(5, kGarage, "50.00")};
  in.coverageLimit = "60";
  in.floorAreaLimit = "100";
  return in;
}

// 110 / 200 × 100 is 55.00000000000001 in binary: a raise would print 55.01.
TEST(AreaSummary, WorkedExample) {
  const std::vector<std::string> expected = {
      "敷地面積|200.00|m^2|",
      "建築面積|110.00|m^2|",
      "建蔽率|55.00|%|許容 60% 以内",
      "延べ面積|250.00|m^2|",
      "容積率不算入（車庫等）|50.00|m^2|床面積 50.00 m^2、上限 1/5 = 50.00 m^2",
      "容積対象面積|200.00|m^2|",
      "容積率|100.00|%|許容 100% 以内",
  };
  EXPECT_EQ(Shown(WorkedExample()), expected);
}

// 延べ面積 200.00 in every case: the floor row and the part the role names.
TEST(AreaSummary, EachCapUnderAtAndOver) {
  const struct {
    int role;
    const char* floor;
    const char* part;
    const char* line;
    const char* counted;  // 容積対象面積
  } cases[] = {
      {kGarage, "170.00", "30.00",
       "容積率不算入（車庫等）|30.00|m^2|床面積 30.00 m^2、上限 1/5 = 40.00 m^2", "170.00"},
      {kGarage, "160.00", "40.00",
       "容積率不算入（車庫等）|40.00|m^2|床面積 40.00 m^2、上限 1/5 = 40.00 m^2", "160.00"},
      {kGarage, "150.00", "50.00",
       "容積率不算入（車庫等）|40.00|m^2|床面積 50.00 m^2、上限 1/5 = 40.00 m^2", "160.00"},
      {kStore, "197.00", "3.00",
       "容積率不算入（備蓄倉庫）|3.00|m^2|床面積 3.00 m^2、上限 1/50 = 4.00 m^2", "197.00"},
      {kStore, "196.00", "4.00",
       "容積率不算入（備蓄倉庫）|4.00|m^2|床面積 4.00 m^2、上限 1/50 = 4.00 m^2", "196.00"},
      {kStore, "195.00", "5.00",
       "容積率不算入（備蓄倉庫）|4.00|m^2|床面積 5.00 m^2、上限 1/50 = 4.00 m^2", "196.00"},
      {kBattery, "196.01", "3.99",
       "容積率不算入（蓄電池）|3.99|m^2|床面積 3.99 m^2、上限 1/50 = 4.00 m^2", "196.01"},
      {kBattery, "195.99", "4.01",
       "容積率不算入（蓄電池）|4.00|m^2|床面積 4.01 m^2、上限 1/50 = 4.00 m^2", "196.00"},
      {kGenerator, "198.50", "1.50",
       "容積率不算入（自家発電設備）|1.50|m^2|床面積 1.50 m^2、上限 1/100 = 2.00 m^2", "198.50"},
      {kGenerator, "197.50", "2.50",
       "容積率不算入（自家発電設備）|2.00|m^2|床面積 2.50 m^2、上限 1/100 = 2.00 m^2", "198.00"},
      {kTank, "198.00", "2.00",
       "容積率不算入（貯水槽）|2.00|m^2|床面積 2.00 m^2、上限 1/100 = 2.00 m^2", "198.00"},
      {kParcel, "197.00", "3.00",
       "容積率不算入（宅配ボックス）|2.00|m^2|床面積 3.00 m^2、上限 1/100 = 2.00 m^2", "198.00"},
      {kShaft, "170.00", "30.00",
       "容積率不算入（昇降路・共用廊下等）|30.00|m^2|床面積 30.00 m^2、上限なし", "170.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    SummaryInput in;
    in.digits = 2;
    in.rows = {Row(1, kFloor, c.floor), Row(2, c.role, c.part)};
    const std::vector<std::string> expected = {"延べ面積|200.00|m^2|", c.line,
                                               std::string("容積対象面積|") + c.counted + "|m^2|"};
    EXPECT_EQ(Shown(in), expected);
  }
}

// 延べ面積 / 5 with more decimals than shown: cut whatever the modes say.
TEST(AreaSummary, CapsAreCutToTheDigits) {
  const struct {
    int digits;
    const char* floor;
    const char* garage;
    const char* total;
    const char* cap;
  } cases[] = {
      {2, "150.03", "50", "200.03", "40.00"},  // 40.006
      {1, "150.3", "50", "200.3", "40.0"},     // 40.06
      {0, "154", "50", "204", "40"},           // 40.8
      {-1, "940", "300", "1,240", "240"},      // 248 cut to tens
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.floor);
    for (const RoundingMode mode : {RoundingMode::HalfUp, RoundingMode::Down, RoundingMode::Up}) {
      SummaryInput in;
      in.digits = c.digits;
      in.ratioRounding = mode;
      in.rows = {Row(1, kFloor, c.floor), Row(2, kGarage, c.garage)};
      const std::vector<std::string> lines = Shown(in);
      ASSERT_EQ(lines.size(), 3u);
      EXPECT_EQ(lines[0], std::string("延べ面積|") + c.total + "|m^2|");
      EXPECT_EQ(lines[1].substr(0, lines[1].find('|', lines[1].find('|') + 1)),
                std::string("容積率不算入（車庫等）|") + c.cap);
      EXPECT_NE(lines[1].find(std::string("= ") + c.cap + " m^2"), std::string::npos);
    }
  }
}

TEST(AreaSummary, DeductionsAndTypedSite) {
  SummaryInput in;
  in.digits = 2;
  // Typed as "250" and "1,234.5": shown in the quantity format for d.
  in.rows = {
      Row(1, kSite, "250"),       Row(2, kSiteCut, "50.00"),         Row(3, kFloor, "1,234.5"),
      Row(4, kFloorCut, "34.50"), Row(5, kBuilding, "100.00", "㎡"), Row(6, kFloor, "0.00", "m2")};
  const std::vector<std::string> expected = {
      "敷地面積|200.00|m^2|",   "建築面積|100.00|m^2|",       "建蔽率|50.00|%|",
      "延べ面積|1,200.00|m^2|", "容積対象面積|1,200.00|m^2|", "容積率|600.00|%|",
  };
  EXPECT_EQ(Shown(in), expected);
}

TEST(AreaSummary, RatioRoundedOnceOnTheBoundary) {
  const struct {
    const char* building;
    int digits;
    RoundingMode mode;
    const char* ratio;
  } cases[] = {
      // 110.01 / 200 = 55.005 %: exactly half a hundredth.
      {"110.01", 2, RoundingMode::HalfUp, "55.01"},
      {"110.01", 2, RoundingMode::Down, "55.00"},
      {"110.01", 2, RoundingMode::Up, "55.01"},
      // 110.002 / 200 = 55.001 %.
      {"110.002", 3, RoundingMode::HalfUp, "55.00"},
      {"110.002", 3, RoundingMode::Down, "55.00"},
      {"110.002", 3, RoundingMode::Up, "55.01"},
      // Binary gives 56.99999999999999.
      {"114.00", 2, RoundingMode::Down, "57.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.building);
    SummaryInput in;
    in.digits = c.digits;
    in.ratioRounding = c.mode;
    in.rows = {Row(1, kSite, "200.00"), Row(2, kBuilding, c.building)};
    const std::vector<std::string> lines = Shown(in);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], std::string("建蔽率|") + c.ratio + "|%|");
  }
}

TEST(AreaSummary, LimitRemarks) {
  const struct {
    const char* limit;
    const char* remark;
  } cases[] = {
      {"60", "許容 60% 以内"},
      {"55", "許容 55% 以内"},
      {"55.00", "許容 55.00% 以内"},
      {"54.99", "許容 54.99% 超過"},
      {" 50 ", "許容 50% 超過"},
      {"", ""},
      {"六十", ""},
      {"60%", ""},
      {"-", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.limit);
    SummaryInput in = WorkedExample();
    in.coverageLimit = c.limit;  // 建蔽率 55.00
    in.floorAreaLimit =
        c.limit;  // 容積率 100.00: within only where the limit is a number at least 100
    const std::vector<std::string> lines = Shown(in);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[2], std::string("建蔽率|55.00|%|") + c.remark);
    const bool number = *c.remark != '\0';
    EXPECT_EQ(lines[6].find("超過") != std::string::npos, number);
  }
}

TEST(AreaSummary, RowsThatAreNoFigure) {
  const struct {
    std::vector<SummaryRow> rows;
    std::vector<std::string> lines;
  } cases[] = {
      // Not a number is tested before the unit; the first bad row in window order is named.
      {{Row(1, kSite, "200.00"), Row(2, kBuilding, "-", "坪"), Row(3, kBuilding, "10", "坪")},
       {"敷地面積|200.00|m^2|", "建築面積|-|m^2|行 2 の数量が数値ではありません", "建蔽率|-|%|"}},
      {{Row(1, kSite, "200.00"), Row(2, kSiteCut, "5.00", "坪"), Row(3, kBuilding, "100.00")},
       {"敷地面積|-|m^2|行 2 の単位が m^2 ではありません", "建築面積|100.00|m^2|", "建蔽率|-|%|"}},
      // A bad floor row: the cap quotes "-"; 昇降路 needs no cap and keeps its figure.
      {{Row(1, kSite, "200.00"), Row(3, kFloor, ""), Row(4, kGarage, "50.00"),
        Row(5, kShaft, "10.00")},
       {"敷地面積|200.00|m^2|", "延べ面積|-|m^2|行 3 の数量が数値ではありません",
        "容積率不算入（車庫等）|-|m^2|床面積 50.00 m^2、上限 1/5 = - m^2",
        "容積率不算入（昇降路・共用廊下等）|10.00|m^2|床面積 10.00 m^2、上限なし",
        "容積対象面積|-|m^2|", "容積率|-|%|"}},
      // A bad garage row: its own line and 延べ面積 name it.
      {{Row(1, kFloor, "100.00"), Row(2, kGarage, "abc")},
       {"延べ面積|-|m^2|行 2 の数量が数値ではありません",
        "容積率不算入（車庫等）|-|m^2|行 2 の数量が数値ではありません", "容積対象面積|-|m^2|"}},
      // A site not above 0: no ratio.
      {{Row(1, kSiteCut, "10.00"), Row(2, kBuilding, "5.00"), Row(3, kFloor, "5.00")},
       {"敷地面積|-10.00|m^2|", "建築面積|5.00|m^2|", "建蔽率|-|%|", "延べ面積|5.00|m^2|",
        "容積対象面積|5.00|m^2|", "容積率|-|%|"}},
      {{Row(1, kSite, "0.00"), Row(2, kBuilding, "5.00")},
       {"敷地面積|0.00|m^2|", "建築面積|5.00|m^2|", "建蔽率|-|%|"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines[0]);
    SummaryInput in;
    in.digits = 2;
    in.coverageLimit = "60";
    in.floorAreaLimit = "200";
    in.rows = c.rows;
    EXPECT_EQ(Shown(in), c.lines);
  }
}

TEST(AreaSummary, OnlyLinesWithAContributingRow) {
  const struct {
    std::vector<SummaryRow> rows;
    std::vector<std::string> lines;
  } cases[] = {
      {{}, {}},
      {{Row(1, kNone, "10.00"), Row(2, kSite, "10.00", "m^2", false)}, {}},
      {{Row(1, kBuilding, "10.00"), Row(2, kSite, "99.00", "m^2", false)}, {"建築面積|10.00|m^2|"}},
      {{Row(1, kFloor, "10.00"), Row(2, 13, "99.00"), Row(3, -1, "99.00")},
       {"延べ面積|10.00|m^2|", "容積対象面積|10.00|m^2|"}},
      // Percentages carry no thousands separator.
      {{Row(1, kSite, "10.00"), Row(2, kFloor, "150.00")},
       {"敷地面積|10.00|m^2|", "延べ面積|150.00|m^2|", "容積対象面積|150.00|m^2|",
        "容積率|1500.00|%|"}},
  };
  for (const auto& c : cases) {
    SummaryInput in;
    in.digits = 2;
    in.rows = c.rows;
    EXPECT_EQ(Shown(in), c.lines);
  }
}

TEST(AreaSummary, CopyLines) {
  EXPECT_EQ(SummaryCopyText(AreaSummary(WorkedExample())),
            "\r\n"
            "敷地面積\t200.00\tm^2\t\r\n"
            "建築面積\t110.00\tm^2\t\r\n"
            "建蔽率\t55.00\t%\t許容 60% 以内\r\n"
            "延べ面積\t250.00\tm^2\t\r\n"
            "容積率不算入（車庫等）\t50.00\tm^2\t床面積 50.00 m^2、上限 1/5 = 50.00 m^2\r\n"
            "容積対象面積\t200.00\tm^2\t\r\n"
            "容積率\t100.00\t%\t許容 100% 以内\r\n");
  EXPECT_EQ(SummaryCopyText({}), "");
}

TEST(AreaRoles, CodesCaptionsAndCaps) {
  ASSERT_EQ(kAreaRoleCount, 13);
  EXPECT_STREQ(kAreaRoles[0].caption, "");
  EXPECT_STREQ(kAreaRoles[2].caption, "敷地から減算");
  EXPECT_STREQ(kAreaRoles[12].caption, "昇降路・共用廊下等");
  const int caps[kAreaRoleCount] = {0, 0, 0, 0, 0, 0, 5, 50, 50, 100, 100, 100, 0};
  for (int t = 0; t < kAreaRoleCount; ++t) {
    EXPECT_EQ(kAreaRoles[t].capDenominator, caps[t]) << t;
    EXPECT_EQ(kAreaRoles[t].leftOut, t >= 6) << t;
  }
  EXPECT_EQ(kRatioRoundingEntries[0].mode, RoundingMode::Up);  // the default first
}

}  // namespace
}  // namespace kaveta
