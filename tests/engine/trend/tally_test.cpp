// The statistics area's computations: per-number counts and omissions,
// the item tallies and the bar chart.
#include <gtest/gtest.h>

#include <array>

#include "history/draw_range.h"
#include "support/test_support.h"
#include "trend/item_tally.h"
#include "trend/number_tally.h"

namespace dlt {
namespace {

using test::MakeDraw;

// Three draws whose tallies are worked out by hand below.
std::vector<Draw> HandDraws() {
  return {MakeDraw(2009001, {1, 2, 3, 4, 5}, {1, 2}),
          MakeDraw(2009002, {3, 12, 18, 27, 35}, {5, 11}),
          MakeDraw(2009003, {7, 8, 17, 24, 33}, {6, 12})};
}

const ItemGroup& Group(const std::vector<ItemGroup>& groups, const std::string& id) {
  for (const ItemGroup& g : groups)
    if (g.id == id) return g;
  static const ItemGroup none;
  ADD_FAILURE() << "no group " << id;
  return none;
}

TEST(NumberTally, LastHundredIncludeTheForecastRecord) {
  std::vector<Draw> draws = test::RandomHistory(150);
  draws.push_back(MakeDraw(kForecastQs, {1, 2, 3, 4, 5}, {1, 2}));
  const DrawRange range = NearRange(static_cast<int>(draws.size()), 100);
  const NumberTally t = TallyNumbers(draws, range);
  int expected = 0;
  for (int i = 51; i <= 150; ++i)
    for (int n : draws[i].front) expected += n == 1;
  EXPECT_EQ(t.front.byNumber[0].count, expected);
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(t.front.byNumber[n - 1].omission, 0) << n;
  int32_t total = 0;
  for (const NumberCount& c : t.back.byNumber) total += c.count;
  EXPECT_EQ(total, 200);
}

TEST(NumberTally, CountsOmissionsAndStableOrders) {
  const std::vector<Draw> draws = HandDraws();
  const NumberTally t = TallyNumbers(draws, NearRange(3, 2));  // the last two draws
  EXPECT_EQ(t.front.byNumber[2], (NumberCount{3, 1, 1}));      // in the middle draw only
  EXPECT_EQ(t.front.byNumber[0], (NumberCount{1, 0, 2}));      // before the range
  EXPECT_EQ(t.front.byNumber[32], (NumberCount{33, 1, 0}));    // in the last draw
  EXPECT_EQ(t.back.byNumber[11], (NumberCount{12, 1, 0}));
  // Equal counts keep ascending number order; so do equal omissions.
  std::vector<int> byCount, byOmission;
  for (const NumberCount& c : t.front.byCount) byCount.push_back(c.number);
  for (const NumberCount& c : t.front.byOmission) byOmission.push_back(c.number);
  EXPECT_EQ(std::vector<int>(byCount.begin(), byCount.begin() + 4), (std::vector<int>{1, 2, 4, 5}));
  EXPECT_EQ(std::vector<int>(byCount.end() - 2, byCount.end()), (std::vector<int>{33, 35}));
  EXPECT_EQ(std::vector<int>(byOmission.begin(), byOmission.begin() + 5),
            (std::vector<int>{7, 8, 17, 24, 33}));
}

TEST(ItemTally, HandComputedDraws) {
  const ItemTally t = TallyItems(HandDraws(), NearRange(3, 3));
  ASSERT_EQ(t.draws, 3);
  EXPECT_EQ(t.sevenths, (std::array<int64_t, 7>{6, 2, 1, 2, 1, 1, 2}));
  const auto one = ItemGroupsPageOne(t);
  const auto two = ItemGroupsPageTwo(t, 3, 3);
  struct Case {
    std::string group;
    std::vector<ItemLine> lines;
  };
  // Groups of both pages by id.
  std::vector<ItemGroup> all = one;
  all.insert(all.end(), two.begin(), two.end());
  const Case cases[] = {
      {"jo", {{"奇数个数:9", "60.0%", 42}, {"偶数个数:6", "40.0%", 28}, {"个数差:3", "", -1}}},
      {"dx", {{"大数个数:5", "33.3%", 23}, {"小数个数:10", "66.7%", 47}, {"个数差:5", "", -1}}},
      {"sq",
       {{"一区球数:8", "53.3%", 37}, {"二区球数:3", "20.0%", 14}, {"三区球数:4", "26.7%", 19}}},
      {"ws",
       {{"2个尾数:0期", "0.0%", 0},
        {"3个尾数:0期", "0.0%", 0},
        {"4个尾数:1期", "33.3%", 23},
        {"5个尾数:2期", "66.7%", 47},
        {"平均每期尾数个数:4.7个", "", -1}}},
      // Four consecutive pairs in the first draw: no row, but in the mean.
      {"lh",
       {{"0组连号:1期", "33.3%", 23},
        {"1组连号:1期", "33.3%", 23},
        {"2组连号:0期", "0.0%", 0},
        {"3组连号:0期", "0.0%", 0},
        {"平均每期连号组数:1.7组", "", -1}}},
      {"pd", {{"平均偏度值:11.33", "", -1}, {"最大偏度值:30", "", -1}, {"最小偏度值:0", "", -1}}},
      {"sd", {{"平均散度值:6.33", "", -1}, {"最大散度值:9", "", -1}, {"最小散度值:1", "", -1}}},
      {"jj", {{"间距平均值:5.17", "", -1}, {"最大间距:9", "", -1}, {"最小间距:1", "", -1}}},
      {"hz", {{"和值平均值:66.33", "", -1}, {"最大和值:95", "", -1}, {"最小和值:15", "", -1}}},
      // "除三余数" hides the fourth and fifth rows.
      {"ys",
       {{"除三余零数:7", "46.7%", 33},
        {"除三余一数:3", "20.0%", 14},
        {"除三余二数:5", "33.3%", 23},
        {"", "", -1, true},
        {"", "", -1, true}}},
      {"f_zh", {{"质数个数:4", "66.7%", 47}, {"合数个数:2", "33.3%", 23}, {"个数差:2", "", -1}}},
      {"f_ys",
       {{"除三余零数:2", "33.3%", 23},
        {"除三余一数:1", "16.7%", 12},
        {"除三余二数:3", "50.0%", 35},
        {"", "", -1, true},
        {"", "", -1, true}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Group(all, c.group).lines, c.lines) << c.group;
  }
  const auto five = ItemGroupsPageTwo(t, 5, 4);
  EXPECT_FALSE(Group(five, "ys").lines[4].hidden);
  EXPECT_EQ(Group(five, "f_ys").lines[3].text, "除四余三数:1");  // 11
  EXPECT_TRUE(Group(five, "f_ys").lines[4].hidden);
}

TEST(ItemTally, AnEmptyRangeShowsZeros) {
  const ItemTally t = TallyItems(HandDraws(), CustomRange(HandDraws(), 2009003, 2009001));
  ASSERT_EQ(t.draws, 0);
  const auto one = ItemGroupsPageOne(t);
  const auto two = ItemGroupsPageTwo(t, 3, 3);
  EXPECT_EQ(Group(one, "jo").lines[1], (ItemLine{"偶数个数:0", "0.0%", 0}));
  EXPECT_EQ(Group(one, "zs").lines.back().text, "平均每期质数个数:0.0个");
  EXPECT_EQ(Group(two, "pd").lines[0].text, "平均偏度值:0.00");
  EXPECT_EQ(Group(two, "jj").lines[2].text, "最小间距:0");
  EXPECT_EQ(Group(two, "f_dx").lines[1], (ItemLine{"小数个数:0", "0.0%", 0}));
}

TEST(NumberBarChart, SlotsFollowTheChosenOrder) {
  const NumberTally t = TallyNumbers(HandDraws(), NearRange(3, 2));
  FixedTextMetrics metrics;
  NumberBarSetup setup{&t.front, 35, BarOrder::ByOmission, true, false, 900, 400};
  const Chart chart = NumberBarChart(setup, metrics);
  const tcoordinate& c = chart.panels.at(0).coord;
  ASSERT_EQ(c.xLabels.size(), 35u);
  EXPECT_EQ(c.xLabels[0], "7");
  // Largest value 2 (the omission of 1 and 2): step 1, ten ticks to 10.
  EXPECT_EQ(c.yMax, 10);
  EXPECT_EQ(c.yLabels.back(), "10");
  // Counts only: one red bar per slot besides the legend swatches.
  int red = 0, blue = 0;
  for (const ChartBox& b : chart.panels[0].ItemsOf<ChartBox>()) {
    red += b.fill == colours::kRed;
    blue += b.fill == colours::kBlue;
  }
  EXPECT_EQ(red, 36);
  EXPECT_EQ(blue, 1);
}

// Every bar inside the picture, the last one right of its tick too; the
// two numbers of a slot apart even when equal.
TEST(NumberBarChart, BarsStayInThePictureAndNumbersApart) {
  const NumberTally t = TallyNumbers(HandDraws(), NearRange(3, 3));
  FixedTextMetrics metrics;
  for (const bool back : {false, true}) {
    NumberBarSetup setup{
        back ? &t.back : &t.front, back ? 12 : 35, BarOrder::ByNumber, true, true, 900, 400};
    const Chart chart = NumberBarChart(setup, metrics);
    for (const ChartBox& b : chart.panels[0].ItemsOf<ChartBox>()) {
      EXPECT_GE(b.x, 0) << back;
      EXPECT_LE(b.x + b.width, setup.width - 10) << back;
    }
    // The texts over the bars: the count ends left of the tick, the
    // omission starts right of it.
    // (12 of the front and 5 of the back: drawn once, missing one draw.)
    const auto texts = chart.panels[0].ItemsOf<ChartText>();
    int equal = 0;
    for (const ChartText& count : texts) {
      if (count.h != HAlign::Right) continue;
      for (const ChartText& omission : texts)
        if (omission.h == HAlign::Left && omission.at.y == count.at.y &&
            std::abs(omission.at.x - count.at.x) < 10) {
          ++equal;
          EXPECT_GE(omission.at.x - count.at.x, 4) << count.text << " " << omission.text;
        }
    }
    EXPECT_GT(equal, 0) << back;
  }
}

// Equal values in every slot: the blue number of one slot and the red one of
// the next would sit at the same height a hair apart ("1111"). Every two
// numbers keep a digit's width apart or stand one above the other (the
// picture as wide as the window's).
TEST(NumberBarChart, NeighbouringNumbersNeverTouch) {
  FixedTextMetrics metrics;
  for (const int32_t value : {7, 11, 123}) {
    ZoneTally zone;
    for (int n = 1; n <= 35; ++n) zone.byNumber.push_back({n, value, value});
    const NumberBarSetup setup{&zone, 35, BarOrder::ByNumber, true, true, 1300, 400};
    const Chart chart = NumberBarChart(setup, metrics);
    std::vector<std::array<double, 4>> boxes;  // left, right, top, bottom
    for (const ChartText& t : chart.panels[0].ItemsOf<ChartText>()) {
      if (t.v != VAlign::Bottom || t.text != std::to_string(value)) continue;
      const double w = metrics.Width(t.text), h = metrics.Height(t.text);
      const double left = t.h == HAlign::Right ? t.at.x - w : t.at.x;
      boxes.push_back({left, left + w, t.at.y - h, t.at.y});
    }
    ASSERT_EQ(boxes.size(), 70u) << value;
    for (size_t a = 0; a < boxes.size(); ++a) {
      EXPECT_GE(boxes[a][2], 0) << value;  // still in the picture
      for (size_t b = a + 1; b < boxes.size(); ++b) {
        const bool level = boxes[a][2] < boxes[b][3] && boxes[b][2] < boxes[a][3];
        const double apart = std::max(boxes[b][0] - boxes[a][1], boxes[a][0] - boxes[b][1]);
        if (level) {
          EXPECT_GE(apart, metrics.Width("0")) << value << " " << a << " " << b;
        }
      }
    }
  }
}

}  // namespace
}  // namespace dlt
