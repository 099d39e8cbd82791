// History files in the layouts users keep: each small file is read to
// exactly its draws and its layout described, and every doubtful file is
// refused naming its line.
#include "history/draw_file_layout.h"

#include <gtest/gtest.h>

#include "history/draw_text_io.h"
#include "support/test_support.h"

namespace dlt {
namespace {

using test::MakeDraw;

struct LayoutCase {
  const char* name;
  std::vector<std::string> lines;
  std::string layout;  // DescribeLayout
  std::vector<Draw> draws;
};

const Draw k07001 = MakeDraw(2007001, {22, 24, 29, 31, 35}, {4, 11});
const Draw k07002 = MakeDraw(2007002, {15, 22, 31, 34, 35}, {5, 12});
const Draw k24001 = MakeDraw(2024001, {1, 4, 17, 20, 22}, {4, 10});

const std::vector<LayoutCase>& Layouts() {
  static const std::vector<LayoutCase> cases = {
      {"own export, newest first",
       {"2007002 15 22 31 34 35 05 12 ", "2007001 22 24 29 31 35 04 11 "},
       "空格分隔, 无表头, 期号=第1列, 主号=第2-6列, 副号=第7-8列, 新的在前",
       {k07001, k07002}},
      {"front and back joined by + across the CSV's own commas",
       {"期号,日期,号码,销售额,奖池", "07001,2007-05-30,22,24,29,31,35+04,11,17086781,89168335",
        "07002,2007-06-02,15,22,31,34,35+05,12,16832903,84592975"},
       "CSV, 带表头, 期号=第1列(五位), 日期=第2列, 主号=第3-7列, 副号=第7-8列(第7列中以+分开主号和"
       "副号), 另有2列不读",
       {k07001, k07002}},
      {"quoted fields holding each zone",
       {R"(2024001,2024-01-01,"01,04,17,20,22","04,10")"},
       "CSV(带引号), 无表头, 期号=第1列, 日期=第2列, 主号=第3列(5个), 副号=第4列(2个)",
       {k24001}},
      {"one quoted field, zones parted by |",
       {"期号,开奖号码", R"(2024001,"01,04,17,20,22|04,10")"},
       "CSV(带引号), 带表头, 期号=第1列, 主号和副号=第2列(7个, 以|分开主号和副号)",
       {k24001}},
      {"blanks, zones parted by +",
       {"2024001 01 04 17 20 22+04 10"},
       "空格分隔, 无表头, 期号=第1列, 主号=第2-6列, 副号=第6-7列(第6列中以+分开主号和副号)",
       {k24001}},
      {"two CSV fields of blank-parted numbers",
       {"期号,日期,前区,后区", "07001,2007-05-30,22 24 29 31 35,04 11"},
       "CSV, 带表头, 期号=第1列(五位), 日期=第2列, 主号=第3列(5个), 副号=第4列(2个)",
       {k07001}},
      {"the downloaded text layout with a date",
       {"期号   开奖日期   前区号码   后区号码",
        "07001     2007-05-30    22 24 29 31 35        04 11",
        "07002     2007-06-02    15 22 31 34 35        05 12"},
       "空格分隔, 带表头, 期号=第1列(五位), 日期=第2列, 主号=第3-7列, 副号=第8-9列",
       {k07001, k07002}},
      {"the draw number in brackets after the date",
       {"2007-05-30(07001) 22 24 29 31 35 04 11", "2007-06-02(07002) 15 22 31 34 35 05 12"},
       "空格分隔, 无表头, 期号=第1列日期后的括号内(五位), 主号=第2-6列, 副号=第7-8列",
       {k07001, k07002}},
      {"leading zeros a spreadsheet dropped",
       {"issue,date,r1,r2,r3,r4,r5,b1,b2", "7001,2007-05-30,22,24,29,31,35,4,11",
        "9153,2009-12-30,1,2,3,4,5,6,7", "10001,2010-01-02,8,9,10,11,12,1,2"},
       "CSV, 带表头, 期号=第1列(补足前导0), 日期=第2列, 主号=第3-7列, 副号=第8-9列",
       {k07001, MakeDraw(2009153, {1, 2, 3, 4, 5}, {6, 7}),
        MakeDraw(2010001, {8, 9, 10, 11, 12}, {1, 2})}},
      {"tabs, prize columns with thousands separators",
       {"期号\t开奖日期\t红1\t红2\t红3\t红4\t红5\t蓝1\t蓝2\t奖池\t一等奖",
        "07001\t2007-05-30\t22\t24\t29\t31\t35\t04\t11\t10,000,000\t1",
        "07002\t2007-06-02\t15\t22\t31\t34\t35\t05\t12\t1,234,567,890\t12"},
       "制表符分隔, 带表头, 期号=第1列(五位), 日期=第2列, 主号=第3-7列, 副号=第8-9列, 另有2列不读",
       {k07001, k07002}},
      {"extra columns after the numbers, lists among them",
       {"期号,红球,蓝球,销售额,red_list,blue_list",
        R"(2024001,01 04 17 20 22,04 10,350000000,"['01', '04', '17', '20', '22']","['04', '10']")"},
       "CSV(带引号), 带表头, 期号=第1列, 主号=第2列(5个), 副号=第3列(2个), 另有3列不读",
       {k24001}},
      {"the numbers only in list columns",
       {"issue,red,blue", R"(2024001,"['01', '04', '17', '20', '22']","['04', '10']")"},
       "CSV(带引号), 带表头, 期号=第1列, 主号=第2列(5个), 副号=第3列(2个)",
       {k24001}},
      {"English names: term, date, front and back",
       {"term,date,front,back", "24001,2024/1/1,01 04 17 20 22,04 10"},
       "CSV, 带表头, 期号=第1列(五位), 日期=第2列, 主号=第3列(5个), 副号=第4列(2个)",
       {k24001}},
      {"期数 and one numbers column, zones parted by a spaced +",
       {"期数;开奖日期;号码", "2024001;2024-01-01;01 04 17 20 22 + 04 10"},
       "分号分隔, 带表头, 期号=第1列, 日期=第2列, 主号和副号=第3列(7个, 以+分开主号和副号)",
       {k24001}},
      {"semicolons",
       {"2024001;01;04;17;20;22;04;10"},
       "分号分隔, 无表头, 期号=第1列, 主号=第2-6列, 副号=第7-8列",
       {k24001}},
      {"Chinese draw number and date, comments and a title above the names",
       {"# 大乐透开奖历史", "大乐透", "期号 日期 号码",
        "第24001期 2024年1月1日 01,04,17,20,22|04,10"},
       "空格分隔, 带表头(第3行), 期号=第1列(五位), 日期=第2列, 主号和副号=第3列(7个, 以|分开主号和"
       "副号)",
       {k24001}},
      {"rows numbered from 0 before the names' columns",
       {",期号,开奖日期,前区1,前区2,前区3,前区4,前区5,后区1,后区2",
        "0,24001,2024-01-01,1,4,17,20,22,4,10"},
       "CSV, 带表头, 期号=第2列(五位), 日期=第3列, 主号=第4-8列, 副号=第9-10列, 另有1列不读",
       {k24001}},
      {"the old end mark",
       {"2007001 22 24 29 31 35 04 11", "0 0 0 0 0 0 0 0", "  "},
       "空格分隔, 无表头, 期号=第1列, 主号=第2-6列, 副号=第7-8列",
       {k07001}},
  };
  return cases;
}

TEST(DrawFileLayout, EveryLayoutReadsExactlyItsDraws) {
  for (const LayoutCase& c : Layouts()) {
    const DrawFileReading r = ReadDrawFileLines(c.lines);
    ASSERT_TRUE(r.ok()) << c.name << ": " << r.error;
    EXPECT_EQ(DescribeLayout(r.layout), c.layout) << c.name;
    EXPECT_EQ(r.draws, c.draws) << c.name;
  }
}

TEST(DrawFileLayout, SaysWhenLeadingZerosWereRestored) {
  const DrawFileReading r = ReadDrawFileLines({"2007-05-30 7001 22 24 29 31 35 04 11"});
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(LayoutNotes(r.layout),
            std::vector<std::string>{"期号缺了前导0, 已按五位补足(第1行的7001读作2007001)"});
  EXPECT_TRUE(LayoutNotes(ReadDrawFileLines({"07001 22 24 29 31 35 04 11"}).layout).empty());
}

struct Refusal {
  const char* kind;
  std::vector<std::string> lines;
  std::string error;
};

// Each way a layout could be misread: refused, naming the line, no draw kept.
TEST(DrawFileLayout, WhatCannotBeReadWithoutDoubtIsRefused) {
  const std::vector<Refusal> cases = {
      {"a + that does not part the zones",
       {"07001,2007-05-30,22,24,29,31+35,04,11"},
       "第1行第6列“31+35”中的“+”只能分开主号和副号, 这里却在第4和第5个号码之间"},
      {"a line of the joined layout without its +",
       {"07001,2007-05-30,22,24,29,31,35+04,11,1,2", "07002,2007-06-02,15,22,31,34,35,05,12,1,2",
        "07003,2007-06-04,03,04,18,23,32+01,06,1,2"},
       "第2行: 与其他各行的格式不同: 其他各行期号=第1列, 主号=第3-7列, 副号=第7-8列(第7列中以+分开"
       "主号和副号), 这一行期号=第1列, 主号=第3-7列, 副号=第8-9列"},
      {"a field holding both zones with nothing between them",
       {"2024001,01 04 17,20 22 04 10"},
       "第1行第3列“20 22 04 10”中既有主号又有副号, 却看不出从哪里分开"},
      {"mixed separators among the front numbers",
       {R"(2024001,"01,04 17,20,22","04,10")"},
       "第1行第2列“01,04 17,20,22”中主号之间的分隔符不一致"},
      {"a quote never closed", {R"(2024001,"01,04,17,20,22","04,10)"}, "第1行: 引号没有结束"},
      {"text after a closing quote",
       {R"(2024001,"01,04,17,20,22"x,"04,10")"},
       "第1行: 引号后还有文字"},
      {"a number out of range",
       {"2024001,01,04,17,20,22,04,10", "2024002,01,04,17,20,22,04,13"},
       "第2行: 副号二必须在1到12之间: 13 (按主号=第2-6列, 副号=第7-8列读作01 04 17 20 22 + 04 13)"},
      {"a date missing on one line",
       {"07001 2007-05-30 22 24 29 31 35 04 11", "07002 15 22 31 34 35 05 12",
        "07003 2007-06-04 03 04 18 23 32 01 06"},
       "第2行: 与其他各行的格式不同: 其他各行期号=第1列, 主号=第3-7列, 副号=第8-9列, "
       "这一行期号=第1列, "
       "主号=第2-6列, 副号=第7-8列"},
      {"an extra column on one line",
       {"2024001,01,04,17,20,22,04,10", "2024002,01,04,17,20,22,04,10,9",
        "2024003,01,04,17,20,22,04,10"},
       "第2行: 这一行有9列, 其他各行有8列"},
      {"a dropped zero beside seven-digit numbers",
       {"9153 01 02 03 04 05 06 07", "2009154 01 02 03 04 05 06 07"},
       "第1行: 期号9153缺了前导0, 但第2行的期号是七位, 无法确定怎样补足"},
      {"a three-digit number before the first year",
       {"153 01 02 03 04 05 06 07"},
       "第1行第1列: 期号153补足前导0后为00153, 年份00不在07到99之间"},
      {"six front numbers under the names of another lottery",
       {"期号,红1,红2,红3,红4,红5,红6,蓝", "2024001,01,02,03,04,05,06,07"},
       "第2行: 表头的后区从第8列起, 这一行的副号一却在第7列"},
      {"more numbers in a field than a draw has",
       {R"(2024001,"01,02,03,04,05,06,07,08")"},
       "第1行第2列“01,02,03,04,05,06,07,08”有8个号码, 多于一注开奖号码的7个(5个主号和2个副号)"},
      {"too few numbers",
       {"2024001 01 02 03 04 05 06"},
       "第1行: 从第2列起应有7个号码(5个主号和2个副号), 这一行只有6个"},
      {"two delimiters reading different numbers",
       {"期号\t星期\t前区\t后区", "2024001\t5\t01 02 03 04 05\t06 07"},
       "第2行: 按“制表符分隔, 带表头, 期号=第1列, 主号=第3列(5个), 副号=第4列(2个), 另有1列不读”"
       "读作2024001 01 02 03 04 05 06 07, 按“空格分隔, 带表头, 期号=第1列, 主号=第2-6列, "
       "副号=第7-8列, "
       "另有1列不读”读作2024001 01 02 03 04 05 05 06, 无法确定是哪一种"},
      {"small numbers under names",
       {"a,b,c", "1,2,3"},
       "第2行: 从第2列起应有7个号码(5个主号和2个副号), 这一行只有2个"},
      {"names alone", {"期号,前区,后区"}, "文件中没有开奖数据"},
  };
  for (const Refusal& c : cases) {
    const DrawFileReading r = ReadDrawFileLines(c.lines);
    EXPECT_EQ(r.error, c.error) << c.kind;
    EXPECT_TRUE(r.draws.empty()) << c.kind;
  }
}

// The file the export writes reads back as the same draws, in any order.
TEST(DrawFileLayout, TheExportReadsBackAsItsDraws) {
  const auto draws = test::RandomHistory(400);
  std::vector<std::string> lines = ExportLines(draws);
  std::reverse(lines.begin(), lines.end());
  const DrawFileReading r = ReadDrawFileLines(lines);
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.draws, draws);
  EXPECT_EQ(DescribeLayout(r.layout),
            "空格分隔, 无表头, 期号=第1列, 主号=第2-6列, 副号=第7-8列, 新的在前");
}

TEST(DrawFileFields, QuotesFollowRfc4180) {
  const auto fields =
      SplitFields(R"( 2024001 ,"a ""b"", c",,"x" )", FieldDelimiter::kComma, nullptr);
  ASSERT_TRUE(fields);
  ASSERT_EQ(fields->size(), 4u);
  EXPECT_EQ((*fields)[0].text, "2024001");
  EXPECT_EQ((*fields)[1].text, R"(a "b", c)");
  EXPECT_TRUE((*fields)[1].quoted);
  EXPECT_EQ((*fields)[2].text, "");
  EXPECT_EQ((*fields)[3].text, "x");
  const auto blanks = SplitFields("07001 \t \"01 02\"  x", FieldDelimiter::kBlanks, nullptr);
  ASSERT_TRUE(blanks);
  ASSERT_EQ(blanks->size(), 3u);
  EXPECT_EQ((*blanks)[1].text, "01 02");
  EXPECT_FALSE(HasDelimiter(R"("a,b";c)", FieldDelimiter::kComma));
  EXPECT_TRUE(HasDelimiter(R"("a,b";c)", FieldDelimiter::kSemicolon));
}

TEST(DrawFileFields, FieldsAreTakenForWhatTheyHold) {
  const std::vector<std::pair<std::string, FieldKind>> cases = {
      {"", FieldKind::kEmpty},
      {"07001", FieldKind::kInteger},
      {"10,000,000", FieldKind::kOther},
      {"2024-01-01", FieldKind::kDateLike},
      {"2024/1/1 20:30", FieldKind::kDateLike},
      {"2024年1月1日", FieldKind::kDateLike},
      {"1/31/2024", FieldKind::kDateLike},
      {"20240101", FieldKind::kDateLike},
      {"2024-01-01(一)", FieldKind::kDateLike},
      {"星期三", FieldKind::kDateLike},
      {"Wed", FieldKind::kDateLike},
      {"21:30", FieldKind::kDateLike},
      {"2013-04-06(13038)", FieldKind::kDateAndQs},
      {"第07001期", FieldKind::kQsText},
      {"01 02 03 04 05 + 06 07", FieldKind::kNumberRun},
      {"['04', '05']", FieldKind::kNumberRun},
      {"01，02、03", FieldKind::kNumberRun},
      {"001,002", FieldKind::kOther},
      {"-3", FieldKind::kOther},
  };
  for (const auto& [text, kind] : cases) EXPECT_EQ(ReadField(text).kind, kind) << text;
  const NumberRun run = ReadField("01 02 03 04 05 + 06 07").run;
  EXPECT_EQ(run.numbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(run.separators, "    + ");
  EXPECT_EQ(ReadField("2013-04-06(13038)").digits, "13038");
}

}  // namespace
}  // namespace dlt
