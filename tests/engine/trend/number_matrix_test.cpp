// The number matrix: sizes, marks, empty lines, the page and its picks, the
// three exports to the generator and the layout files.
#include "trend/number_matrix.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"
#include "trend/matrix_filters.h"
#include "trend/matrix_layout.h"

namespace dlt {
namespace {

using test::MakeDraw;

const FixedTextMetrics kMetrics;

MatrixMarks Marked(std::initializer_list<int> numbers) {
  MatrixMarks m{};
  for (int n : numbers) m[n] = true;
  return m;
}

std::vector<bool> Flags(int count, std::initializer_list<int> chosen) {
  std::vector<bool> f(count, false);
  for (int c : chosen) f[c - 1] = true;
  return f;
}

template <class T>
size_t CountOf(const Chart& chart, auto pred) {
  size_t n = 0;
  for (const ChartItem& i : chart.panels.at(0).items)
    if (const T* t = std::get_if<T>(&i)) n += pred(*t) ? 1 : 0;
  return n;
}

TEST(NumberMatrix, SizesMarksAndEmptyLines) {
  const MatrixOrder plain = DefaultGridLayout();
  // 6 X 6 in the plain order: cell 36 holds 36; 01 08 15 22 29 walk the diagonal.
  const MatrixSize six{6, 6};
  EXPECT_EQ(CellNumber(plain, six, 6, 6), 36);
  const Draw diagonal = MakeDraw(2009001, {1, 8, 15, 22, 29}, {3, 12});
  EXPECT_EQ(EmptyLinesOf(plain, six, MarksOf(diagonal, MatrixContent::Front)),
            (EmptyLines{{6}, {6}}));
  // "副号" marks the two back numbers as matrix numbers: 03 and 12.
  EXPECT_EQ(MarksOf(diagonal, MatrixContent::Back), Marked({3, 12}));
  EXPECT_EQ(MarksOf(diagonal, MatrixContent::Both), Marked({1, 3, 8, 12, 15, 22, 29}));
  EXPECT_EQ(EmptyLinesOf(plain, six, MarksOf(diagonal, MatrixContent::Back)),
            (EmptyLines{{3, 4, 5, 6}, {1, 2, 4, 5}}));

  EXPECT_EQ(MatrixRadioSizes()[1], (MatrixSize{5, 7}));  // "5 X 7": 5 columns, 7 rows
  struct Case {
    int columns, rows;
    MatrixSize fitted;
    bool refused;
  };
  const Case cases[] = {{9, 5, {8, 5}, true},  // 5 rows, then 9 columns
                        {8, 5, {8, 5}, false},
                        {3, 12, {3, 12}, false},
                        {2, 33, {1, 33}, true}};
  for (const Case& c : cases) {
    std::string message;
    EXPECT_EQ(FitCustomSize(c.columns, c.rows, &message), c.fitted) << c.columns << "x" << c.rows;
    EXPECT_EQ(message, c.refused ? "行乘列不能大于40" : "");
  }
}

TEST(NumberMatrix, PageGeometryLabelsAndPicks) {
  std::vector<Draw> draws = test::RandomHistory(30);
  draws.push_back(MakeDraw(kForecastQs, {1, 8, 15, 22, 29}, {1, 2}));
  MatrixPictureSetup setup;
  setup.picks = Marked({7, 36});
  // On the last draw with K = 12: that draw and the picks matrix after it.
  const MatrixPicture picture = MatrixChart(draws, 30, setup, 1200, 600, kMetrics);
  const auto texts = picture.chart.panels[0].ItemsOf<ChartText>();
  const auto labelled = [&](const std::string& t) {
    return std::count_if(texts.begin(), texts.end(),
                         [&](const ChartText& x) { return x.text == t; });
  };
  EXPECT_EQ(labelled("预测区"), 1);
  EXPECT_EQ(labelled("选号区"), 1);
  EXPECT_EQ(labelled("2009030期"), 0);
  // Cells of both matrices, then the forecast's empty row and column and
  // the picks matrix's four empty rows and four empty columns again.
  EXPECT_EQ(CountOf<ChartSprite>(picture.chart, [](const ChartSprite& s) { return s.index == 4; }),
            72u);
  EXPECT_EQ(CountOf<ChartSprite>(picture.chart, [](const ChartSprite& s) { return s.index == 0; }),
            12u + 48u);
  EXPECT_EQ(CountOf<ChartDisc>(picture.chart, [](const ChartDisc&) { return true; }), 7u);

  // Geometry: 1200 / 36 is below 600 / 12, so the width decides: matrices
  // 1100 / 6 = 183 wide with cells of 30, gaps of 100 / 6 and 100 / 2.
  const MatrixGeometry& g = picture.geometry;
  EXPECT_EQ(g.perRow, 6);
  EXPECT_EQ(g.rows, 2);
  EXPECT_EQ(g.cell, 30);
  EXPECT_EQ(g.width, 183);
  EXPECT_EQ(g.height, 180);
  EXPECT_EQ(g.hGap, 16);
  ASSERT_TRUE(picture.picksRect);
  EXPECT_EQ(*picture.picksRect, (PixelRect{g.width + g.hGap, 0, 2 * g.width + g.hGap, g.height}));

  const PixelRect r = *picture.picksRect;
  struct Click {
    int x, y;
    std::optional<int> number;
  };
  const Click clicks[] = {{r.left, r.top, 1},
                          {r.left + 30 * 5 + 15, r.top + 30 * 5 + 15, 36},
                          {r.left + 31, r.top + 60, 14},
                          {r.left + 181, r.top, std::nullopt},  // right of the last column
                          {r.right, r.bottom, std::nullopt},
                          {r.left - 1, r.top, std::nullopt},
                          {10, 10, std::nullopt}};  // a draw's matrix
  for (const Click& c : clicks)
    EXPECT_EQ(PickedNumberAt(picture, setup.order, setup.size, c.x, c.y), c.number)
        << c.x << "," << c.y;

  // Fewer matrices than per row: one row of K matrices, no division by zero.
  const MatrixGeometry few = ComputeMatrixGeometry(1200, 600, {6, 6}, 2, 6);
  EXPECT_EQ(few.perRow, 2);
  EXPECT_EQ(few.rows, 1);
  EXPECT_EQ(few.cell, (600 - 110) / 6);
  // A history that ends before the page: the picks matrix after the last draw, nothing after it.
  const auto entries = MatrixPageEntries(draws, 25, 12, MatrixContent::Front, {});
  ASSERT_EQ(entries.size(), 7u);
  EXPECT_TRUE(entries.back().picks);
}

TEST(NumberMatrix, ExportsToTheGenerator) {
  const MatrixOrder plain = DefaultGridLayout();
  // "1 2 4" allows 1, 2 and 4; "12" allows 1 and 2; 9 is no hit count.
  EXPECT_EQ(DigitValues("1 2 4", 5).Values(), (std::vector<int32_t>{1, 2, 4}));
  EXPECT_EQ(DigitValues("12", 5).Values(), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(DigitValues("0,9", 5).Values(), (std::vector<int32_t>{0}));

  struct Case {
    MatrixSize size;
    std::vector<bool> rows, columns;
    std::string counts;
    bool tolerant;
    std::string line;  // or the message
  };
  const Case cases[] = {
      // Row 1 and column 1 share 01; the group keeps it once.
      {{6, 6},
       Flags(11, {1}),
       Flags(11, {1}),
       "1 2",
       true,
       "号码组: 1  2  3  4  5  6  7  13  19  25  31  ;出现个数:1 2 容错"},
      // Row 6 of 6 X 6 ends in 36: only 31..35 remain.
      {{6, 6},
       Flags(11, {6}),
       Flags(11, {}),
       "0",
       false,
       "号码组: 31  32  33  34  35  ;出现个数:0 "},
      // Boxes beyond the matrix do not count.
      {{6, 6}, Flags(11, {7}), Flags(11, {}), "1", false, "请选择好行号或列号"},
      {{6, 6}, Flags(11, {1}), Flags(11, {}), " ", false, "请设置好出号个数。"},
      {{6, 6}, Flags(11, {1}), Flags(11, {}), "789", false, "请设置好出号个数。"},
      // The eighth row of 5 X 8 holds 36..40 alone.
      {{5, 8},
       Flags(11, {8}),
       Flags(11, {}),
       "1",
       false,
       "所选的行和列中没有1到35之间的号码，无法导出"},
  };
  for (const Case& c : cases) {
    std::string error;
    const auto out =
        ExportChosenCells(plain, c.size, c.rows, c.columns, c.counts, c.tolerant, &error);
    EXPECT_EQ(out ? out->line : error, c.line);
    if (out) {
      EXPECT_EQ(out->entry.tolerant, c.tolerant);
    }
  }

  std::string error;
  const auto params = ParseGridKeyParams(0, " 6", "6 ", &error);
  ASSERT_TRUE(params) << error;
  EXPECT_EQ(ShapeKey(*params), "c_hnszhxt_0_6_6");
  const auto empty = ExportEmptyLines(*params, "1 2", true, &error);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->line, "c_hnskhkn_0_6_6  容错  取值: 1 2");
  EXPECT_EQ(empty->entry.values.Values(), (std::vector<int32_t>{1, 2}));
  EXPECT_FALSE(ExportEmptyLines(*params, "  ", false, &error));
  EXPECT_EQ(error, "请输入个数");
  for (auto [columns, rows, message] :
       {std::tuple{"", "6", "\"\"不是整数"}, std::tuple{"6", "x", "\"x\"不是整数"},
        std::tuple{"9", "5", "行乘列不能大于40"}}) {
    EXPECT_FALSE(ParseGridKeyParams(1, columns, rows, &error));
    EXPECT_EQ(error, message);
  }
  EXPECT_EQ(ChosenCellsCaption({6, 6}, Flags(11, {1, 3, 7}), Flags(11, {2})),
            "行：1,3, 列：2, 的奖号出现个数走势图（过滤助手）");
  EXPECT_EQ(EmptyLinesCaption(2), "空行+空列个数走势图（过滤助手）");
  EXPECT_EQ(ShapeCaption(2), "行列组合形态走势图（过滤助手）");
}

// The grid keys the generator evaluates read the order the matrix shows.
TEST(NumberMatrix, GridKeysReadTheMatrixOrder) {
  const std::vector<Draw> draws = test::RandomHistory(60, 3);
  std::mt19937 random(9);
  const MatrixOrder order = RandomMatrixOrder(random);
  const MatrixSize size{7, 5};
  const EvalEnv env;
  const auto both = GridKeySeries(draws, env, order, "c_hnskhkn_2_7_5");
  const auto shape = GridKeySeries(draws, env, order, "c_hnszhxt_0_7_5");
  const auto hits = ChosenHitSeries(draws, ChosenCellNumbers(order, size, Flags(11, {2}), {}));
  for (size_t i = 0; i < draws.size(); ++i) {
    const MatrixMarks marks = MarksOf(draws[i], MatrixContent::Front);
    const EmptyLines empty = EmptyLinesOf(order, size, marks);
    EXPECT_EQ(both[i], static_cast<int32_t>(empty.rows.size() + empty.columns.size()));
    int32_t code = 0;
    for (int r = 1; r <= 5; ++r)
      if (std::find(empty.rows.begin(), empty.rows.end(), r) == empty.rows.end())
        code |= 1 << (r - 1);
    EXPECT_EQ(shape[i], code);
    int inRow2 = 0;
    for (int c = 1; c <= 7; ++c) inRow2 += marks[CellNumber(order, size, 2, c)] ? 1 : 0;
    EXPECT_EQ(hits[i], inRow2);
  }
}

TEST(MatrixLayout, FilesWrittenAndReadBack) {
  test::TempDir dir;
  // A 5X7 design of 35 numbers: lines of 10, 10, 10 and 5 numbers.
  LayoutDesign design(5, 7);
  for (int n = 35; n >= 1; --n) ASSERT_TRUE(design.Place(n == 29 ? 7 : n == 7 ? 29 : n));
  ASSERT_TRUE(design.Complete());
  const std::string path = dir.file("five.hls");
  ASSERT_TRUE(WriteLayoutFile(path, design.Cells()));
  const std::string bytes = test::ReadBytes(path);
  EXPECT_EQ(bytes.substr(0, 46), "35  34  33  32  31  30  07  28  27  26  \r\n25  ");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 4);
  const auto lines = LayoutFileLines(design.Cells());
  EXPECT_EQ(lines[3], "05  04  03  02  01  ");
  const auto order = ReadLayoutFile(path);
  ASSERT_TRUE(order);
  for (int k = 0; k < 35; ++k) EXPECT_EQ((*order)[k], design.Cells()[k]);
  for (int k = 35; k < 40; ++k) EXPECT_EQ((*order)[k], 0);  // missing at the line's end

  // The installed spiral files read as 40 numbers, each of 1..40 once.
  const auto installed =
      std::filesystem::path(DLT_TEST_DATA_DIR).parent_path().parent_path() / "data/database";
  const auto spiral = ReadLayoutFile((installed / "lx.hls").string());
  ASSERT_TRUE(spiral);
  std::vector<int> sorted(spiral->begin(), spiral->end());
  std::sort(sorted.begin(), sorted.end());
  for (int k = 0; k < 40; ++k) EXPECT_EQ(sorted[k], k + 1);

  struct Bad {
    const char* name;
    const char* bytes;
  };
  for (const Bad& b : {Bad{"letters.hls", "01  02  x3\r\n"}, Bad{"big.hls", "01  41\r\n"},
                       Bad{"blank.hls", "\r\n\r\n"}}) {
    test::WriteBytes(dir.file(b.name), b.bytes);
    std::string error;
    EXPECT_FALSE(ReadLayoutFile(dir.file(b.name), &error)) << b.name;
    EXPECT_NE(error.find(b.name), std::string::npos) << error;
  }
  EXPECT_FALSE(ReadLayoutFile(dir.file("missing.hls")));
}

// What a layout may be: 35 to 40 numbers ten to a line, each once, empty
// cells ("00") only at the end, blank lines after the last line.
TEST(MatrixLayout, TheFormsALayoutTakes) {
  const auto numbers = [](int from, int to) {
    std::string line;
    for (int n = from; n <= to; ++n) line += (n < 10 ? "0" : "") + std::to_string(n) + "  ";
    return line;
  };
  const std::vector<std::string> full = {numbers(1, 10), numbers(11, 20), numbers(21, 30),
                                         numbers(31, 40)};
  struct Case {
    std::vector<std::string> lines;
    std::string refusal;  // empty: taken
  };
  const Case cases[] = {
      {full, ""},
      {{full[0], full[1], full[2], numbers(31, 35)}, ""},
      {{full[0], full[1], full[2], numbers(31, 36), "", "  "}, ""},
      {{full[0], full[1], full[2], numbers(31, 35) + "00  00  00  00  00  "}, ""},
      {{full[0], full[1], full[2], numbers(31, 34)}, "只有34个号码, 行列式至少要有35个"},
      {{full[0], full[1], "", full[2], full[3]},
       "第4行多余: 第3行不足10个号码, 只有最后一行可以不足"},
      {{full[0], full[1], full[2], full[3], "01"}, "第5行多余: 行列式文件只有四行"},
      {{full[0], full[1], full[2], numbers(31, 40) + "01"}, "第4行的号码超过10个"},
      {{full[0], full[1], full[2], numbers(31, 39) + "05"}, "第4行的05重复: 第1行已有05"},
      {{full[0], full[1], full[2], numbers(31, 35) + "00  36"},
       "第4行的36在空格子00之后: 00只能在最后"},
      {{full[0], full[1], full[2], numbers(31, 39) + "+1"}, "第4行的\"+1\"不是0到40之间的整数"},
      {{}, "文件中没有号码"},
  };
  for (const Case& c : cases) {
    std::string why;
    const auto order = ParseLayoutLines(c.lines, &why);
    EXPECT_EQ(order.has_value(), c.refusal.empty()) << why;
    EXPECT_EQ(why, c.refusal);
    if (order) {
      EXPECT_EQ(*ParseLayoutLines(LayoutFileLines(*order)), *order);
    }
  }
  const auto plain = ParseLayoutLines(full);
  ASSERT_TRUE(plain);
  EXPECT_EQ(*plain, DefaultGridLayout());
}

TEST(MatrixLayout, DesignPlacesUndoesAndStopsWhenFull) {
  LayoutDesign d(6, 6);
  EXPECT_FALSE(d.Undo());  // nothing to undo
  EXPECT_TRUE(d.Place(40));
  EXPECT_FALSE(d.Place(40));  // used
  EXPECT_FALSE(d.Place(41));
  EXPECT_TRUE(d.Used(40));
  EXPECT_EQ(d.Undo(), 40);
  EXPECT_FALSE(d.Used(40));
  for (int n = 1; n <= 36; ++n) ASSERT_TRUE(d.Place(n));
  EXPECT_TRUE(d.Complete());
  EXPECT_FALSE(d.Place(37));  // the grid is full
  EXPECT_EQ(LayoutFileLines(d.Cells())[3], "31  32  33  34  35  36  ");

  std::mt19937 random(1);
  const MatrixOrder shuffled = RandomMatrixOrder(random);
  std::vector<int> first35(shuffled.begin(), shuffled.begin() + 35);
  std::sort(first35.begin(), first35.end());
  for (int k = 0; k < 35; ++k) EXPECT_EQ(first35[k], k + 1);
  for (int k = 35; k < 40; ++k) EXPECT_EQ(shuffled[k], k + 1);
}

}  // namespace
}  // namespace dlt
