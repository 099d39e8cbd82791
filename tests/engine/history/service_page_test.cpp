#include "history/service_page.h"

#include <gtest/gtest.h>

#include "support/history_service.h"
#include "support/test_support.h"

namespace dlt {
namespace {

using test::MakeDraw;

// Draws 2026090..2026093 and their row in the documented layout.
std::vector<Draw> FourDraws() {
  return {MakeDraw(2026090, {1, 2, 3, 4, 5}, {1, 2}), MakeDraw(2026091, {6, 7, 8, 9, 10}, {3, 4}),
          MakeDraw(2026092, {11, 12, 13, 14, 15}, {5, 6}),
          MakeDraw(2026093, {8, 10, 22, 26, 29}, {3, 10})};
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t p = text.find(from);
  EXPECT_NE(p, std::string::npos) << from;
  if (p != std::string::npos) text.replace(p, from.size(), to);
  return text;
}

TEST(ServicePage, ReadsThePageAsTheServiceDocumentsIt) {
  // The example row of the service's users, as they describe it.
  const std::string answer =
      R"J({"errorCode":"0","errorMessage":"处理成功","success":true,)J"
      R"J("value":{"pages":30,"total":2911,"pageNo":1,"pageSize":100,)J"
      R"J("list":[{"lotteryDrawNum":"26093","lotteryDrawTime":"2026-08-17",)J"
      R"J("lotteryDrawResult":"08 10 22 26 29 03 10",)J"
      R"J("lotteryUnsortDrawresult":"22 08 29 10 26 10 03",)J"
      R"J("poolBalanceAfterdraw":"825,721,619.33",)J"
      R"J("prizeLevelList":[{"prizeLevel":"一等奖","stakeCount":"3","stakeAmount":"10,000,000"},)J"
      R"J({"prizeLevel":"一等奖(追加)","stakeCount":"1","stakeAmount":"8,000,000"},)J"
      R"J({"prizeLevel":"二等奖","stakeCount":"61","stakeAmount":"155,846"}]}]}})J";
  std::string error;
  const auto page = ParseServicePage(answer, 1, &error);
  ASSERT_TRUE(page) << error;
  EXPECT_EQ(page->pageNo, 1);
  EXPECT_EQ(page->pages, 30);
  EXPECT_EQ(page->total, 2911);
  ASSERT_EQ(page->rows.size(), 1u);
  EXPECT_EQ(page->rows[0].draw, MakeDraw(2026093, {8, 10, 22, 26, 29}, {3, 10}));
  const std::vector<PrizeTier> tiers = {{"一等奖", 1, false, 3, 1000000000},
                                        {"一等奖(追加)", 1, true, 1, 800000000},
                                        {"二等奖", 2, false, 61, 15584600}};
  EXPECT_EQ(page->rows[0].tiers, tiers);
}

TEST(ServicePage, ReadsRecordedPagesBackToTheirDraws) {
  const auto history = test::RandomHistory(250, 3);
  std::string error;
  const auto page = ParseServicePage(test::ServicePageJson(history, 3), 3, &error);
  ASSERT_TRUE(page) << error;
  EXPECT_EQ(page->pages, 3);
  EXPECT_EQ(page->total, 250);
  ASSERT_EQ(page->rows.size(), 50u);
  for (size_t i = 0; i < 50; ++i) {
    EXPECT_EQ(page->rows[i].draw, history[49 - i]);
    EXPECT_EQ(page->rows[i].tiers, test::RecordedPrizes(history[49 - i]).tiers);
  }
}

TEST(ServicePage, AnEmptyListIsAnEmptyHistory) {
  std::string error;
  const auto page = ParseServicePage(test::ServiceAnswerJson(1, 0, 0, {}), 1, &error);
  ASSERT_TRUE(page) << error;
  EXPECT_TRUE(page->rows.empty());
}

TEST(ServicePage, AFaultAnywhereRefusesThePageAndSaysWhere) {
  const auto draws = FourDraws();
  const std::string row = test::ServiceRowJson(draws[3]);
  const std::string good = test::ServicePageJson(draws, 1);
  struct Case {
    const char* name;
    std::string answer;
    std::string message;
  };
  const Case cases[] = {
      {"empty", " \r\n", "服务器的回答是空的"},
      {"html", "\xEF\xBB\xBF <!DOCTYPE html><html><body>维护中</body></html>",
       "服务器返回的是网页, 不是开奖数据(JSON)"},
      {"broken json", good.substr(0, good.size() - 2), "服务器的回答不是有效的JSON: JSON格式错误"},
      {"array", "[1,2]", "服务器的回答不是开奖数据: 最外层应是对象"},
      {"error answer", test::ServiceErrorJson("E1001", "请求过于频繁"),
       "开奖数据服务返回错误: \"请求过于频繁\" (errorCode \"E1001\")"},
      {"not a success", Replaced(good, "\"success\":true", "\"success\":false"),
       "开奖数据服务返回错误: \"处理成功\" (errorCode \"0\")"},
      {"error without message", R"({"errorCode":"500","success":false})",
       "开奖数据服务返回错误: (未说明原因) (errorCode \"500\")"},
      {"code as number", Replaced(good, "\"errorCode\":\"0\"", "\"errorCode\":0"),
       "服务器的回答有误: errorCode应是文本, 却是数字"},
      {"success as text", Replaced(good, "\"success\":true", "\"success\":\"true\""),
       "服务器的回答有误: success应是true/false, 却是文本"},
      {"no value", Replaced(good, "\"value\":", "\"values\":"), "服务器的回答有误: 缺少value"},
      {"page as text", Replaced(good, "\"pageNo\":1", "\"pageNo\":\"1\""),
       "服务器的回答有误: pageNo应是数字, 却是文本"},
      {"pages fraction", Replaced(good, "\"pages\":1", "\"pages\":1.5"),
       "服务器的回答有误: pages应是0到100000之间的整数: 1.5"},
      {"negative total", Replaced(good, "\"total\":4", "\"total\":-4"),
       "服务器的回答有误: total应是0到10000000之间的整数: -4"},
      {"other page", Replaced(good, "\"pageNo\":1", "\"pageNo\":2"),
       "服务器的回答有误: 请求第1页, 得到第2页"},
      {"pages too few", Replaced(good, "\"pages\":1", "\"pages\":0"),
       "服务器的回答有误: 共0页4期, 与第1页的内容不符"},
      {"list as object", Replaced(good, "\"list\":[", "\"list\":{},\"x\":["),
       "服务器的回答有误: list应是数组, 却是对象"},
      {"row as text", test::ServiceAnswerJson(1, 1, 1, {"\"26093\""}), "第1页第1条: 应是对象"},
      {"number as number", test::ServiceAnswerJson(1, 1, 1, {Replaced(row, "\"26093\"", "26093")}),
       "第1页第1条: lotteryDrawNum应是文本, 却是数字"},
      {"short number", test::ServiceAnswerJson(1, 1, 1, {Replaced(row, "\"26093\"", "\"2693\"")}),
       "第1页第1条: lotteryDrawNum不是期号: \"2693\""},
      {"serial zero", test::ServiceAnswerJson(1, 1, 1, {Replaced(row, "\"26093\"", "\"26000\"")}),
       "第1页第1条: lotteryDrawNum不是期号: \"26000\""},
      {"no result",
       test::ServiceAnswerJson(1, 1, 1, {Replaced(row, "\"lotteryDrawResult\"", "\"result\"")}),
       "第1页第1条(第2026093期): 缺少lotteryDrawResult"},
      {"six numbers",
       test::ServiceAnswerJson(
           1, 1, 1, {Replaced(row, "\"08 10 22 26 29 03 10\"", "\"08 10 22 26 29 03\"")}),
       "第1页第1条(第2026093期): lotteryDrawResult应是七个号码: \"08 10 22 26 29 03\""},
      {"front 36",
       test::ServiceAnswerJson(
           1, 1, 1, {Replaced(row, "\"08 10 22 26 29 03 10\"", "\"08 10 22 26 36 03 10\"")}),
       "第1页第1条(第2026093期): 主号五必须在1到35之间: 36"},
      {"repeated back",
       test::ServiceAnswerJson(
           1, 1, 1, {Replaced(row, "\"08 10 22 26 29 03 10\"", "\"08 10 22 26 29 10 10\"")}),
       "第1页第1条(第2026093期): "},
      {"letters",
       test::ServiceAnswerJson(
           1, 1, 1, {Replaced(row, "\"08 10 22 26 29 03 10\"", "\"08 10 22 26 2x 03 10\"")}),
       "第1页第1条(第2026093期): 主号五"},
      {"tiers as text",
       test::ServiceAnswerJson(
           1, 1, 1, {Replaced(row, "\"prizeLevelList\":[", "\"prizeLevelList\":\"\",\"x\":[")}),
       "第1页第1条(第2026093期): prizeLevelList应是数组, 却是文本"},
      {"amount unreadable",
       test::ServiceAnswerJson(1, 1, 1, {Replaced(row, "\"10,000,093\"", "\"10,00,093\"")}),
       "第1页第1条(第2026093期): 一等奖的stakeAmount读不出: \"10,00,093\""},
      {"amount as number",
       test::ServiceAnswerJson(1, 1, 1, {Replaced(row, "\"10,000,093\"", "10000093")}),
       "第1页第1条(第2026093期): stakeAmount应是文本, 却是数字"},
      {"count unreadable",
       test::ServiceAnswerJson(
           1, 1, 1, {Replaced(row, "\"stakeCount\":\"1,234,567\"", "\"stakeCount\":\"1.5\"")}),
       "第1页第1条(第2026093期): 七等奖的stakeCount读不出: \"1.5\""},
      {"tier without name",
       test::ServiceAnswerJson(1, 1, 1,
                               {Replaced(row, "\"prizeLevel\":\"一等奖\"", "\"prizeLevel\":\"\"")}),
       "第1页第1条(第2026093期): 奖级名称不对: \"\""},
      {"tier twice",
       test::ServiceAnswerJson(
           1, 1, 1, {Replaced(row, "\"prizeLevel\":\"三等奖\"", "\"prizeLevel\":\"二等奖\"")}),
       "第1页第1条(第2026093期): 奖级重复: 二等奖"},
      {"oldest first",
       test::ServiceAnswerJson(1, 1, 2,
                               {test::ServiceRowJson(draws[0]), test::ServiceRowJson(draws[1])}),
       "第1页第2条(第2026091期): 期号应从新到旧排列, 却在第2026090期之后"},
      {"a draw twice", test::ServiceAnswerJson(1, 1, 2, {row, row}),
       "第1页第2条(第2026093期): 期号应从新到旧排列, 却在第2026093期之后"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseServicePage(c.answer, 1, &error)) << c.name;
    EXPECT_EQ(error.substr(0, c.message.size()), c.message) << c.name << ": " << error;
  }
}

TEST(ServicePage, AHugePageIsRefusedWhateverItHolds) {
  const auto history = test::RandomHistory(101, 4);
  std::string error;
  EXPECT_FALSE(ParseServicePage(test::ServicePageJson(history, 1, 101), 1, &error));
  EXPECT_EQ(error, "服务器的回答有误: 一页最多100期, 这一页有101期");
}

TEST(ServicePage, DrawNumbersHaveAYearAndASerial) {
  EXPECT_EQ(ReadServiceDrawNumber("26093"), 2026093);
  EXPECT_EQ(ReadServiceDrawNumber("07001"), 2007001);
  for (const char* bad : {"", "2609", "260931", "2026093", "26a93", " 2609", "-2609", "26000"})
    EXPECT_EQ(ReadServiceDrawNumber(bad), std::nullopt) << bad;
}

TEST(PrizeFigures, ReadDigitsGroupedByThousandsAndTheMarksOfNoWinner) {
  struct Case {
    const char* text;
    int decimals;
    bool reads;
    std::optional<int64_t> value;
  };
  const Case cases[] = {
      {"0", 0, true, 0},
      {"3", 0, true, 3},
      {"1,234,567", 0, true, 1234567},
      {"1234567", 0, true, 1234567},
      {" 61 ", 0, true, 61},
      {"\t61\r\n", 0, true, 61},
      {"---", 0, true, std::nullopt},
      {"-1", 2, true, std::nullopt},
      {"", 2, true, std::nullopt},
      {"10,000,000", 2, true, 1000000000},
      {"155,846", 2, true, 15584600},
      {"124,676.8", 2, true, 12467680},
      {"124,676.80", 2, true, 12467680},
      {"0.05", 2, true, 5},
      {"1.5", 0, false, std::nullopt},
      {"1.234", 2, false, std::nullopt},
      {"1.", 2, false, std::nullopt},
      {".5", 2, false, std::nullopt},
      {"1,23", 0, false, std::nullopt},
      {"1,2345", 0, false, std::nullopt},
      {"1234,567", 0, false, std::nullopt},
      {",123", 0, false, std::nullopt},
      {"1,,234", 0, false, std::nullopt},
      {"-5", 0, false, std::nullopt},
      {"--", 0, false, std::nullopt},
      {"5元", 0, false, std::nullopt},
      {"１２", 0, false, std::nullopt},
      {"99999999999999", 0, false, std::nullopt},
      {"9,999,999,999,999", 2, true, 999999999999900},
  };
  for (const Case& c : cases) {
    std::optional<int64_t> value = -99;
    EXPECT_EQ(ReadPrizeFigure(c.text, c.decimals, &value), c.reads) << c.text;
    if (c.reads) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

TEST(PrizeFigures, TierNamesGiveTheirLevel) {
  struct Case {
    const char* name;
    int level;
    bool additional;
  };
  const Case cases[] = {
      {"一等奖", 1, false},       {"一等奖(追加)", 1, true}, {"二等奖（追加）", 2, true},
      {"九等奖", 9, false},       {"十等奖", 10, false},     {"一等奖追加", 0, false},
      {"特等奖", 0, false},       {"一等", 0, false},        {"", 0, false},
      {"一等奖(派奖)", 0, false}, {"十一等奖", 0, false},
  };
  for (const Case& c : cases) {
    int level = -1;
    bool additional = true;
    ReadTierName(c.name, &level, &additional);
    EXPECT_EQ(level, c.level) << c.name;
    EXPECT_EQ(additional, c.additional) << c.name;
  }
  EXPECT_EQ(FormatFen(1000000000), "10000000");
  EXPECT_EQ(FormatFen(12467680), "124676.80");
  EXPECT_EQ(FormatFen(5), "0.05");
}

}  // namespace
}  // namespace dlt
