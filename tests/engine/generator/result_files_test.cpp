#include "generator/result_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/test_support.h"

namespace dlt {
namespace {

using test::GoldenMismatch;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// GBK bytes of the listing texts, written out by hand.
const std::string kJiLuHao = "\xBC\xC7\xC2\xBC\xBA\xC5";  // 记录号
const std::string kZhuHao1 = "\xD6\xF7\xBA\xC5\xD2\xBB";  // 主号一
const std::string kZhuHao2 = "\xD6\xF7\xBA\xC5\xB6\xFE";  // 主号二
const std::string kZhuHao3 = "\xD6\xF7\xBA\xC5\xC8\xFD";  // 主号三
const std::string kZhuHao4 = "\xD6\xF7\xBA\xC5\xCB\xC4";  // 主号四
const std::string kZhuHao5 = "\xD6\xF7\xBA\xC5\xCE\xE5";  // 主号五

TEST(ResultFileLayout, FrontLineHasTwoDigitsEachFollowedByABlank) {
  TempDir dir;
  ASSERT_TRUE(
      SaveCombos({Combo{1, 7, 12, 30, 35}, Combo{2, 3, 4, 5, 6}}, dir.file("f.txt"), nullptr));
  EXPECT_EQ(ReadBytes(dir.file("f.txt")), "01 07 12 30 35 \r\n02 03 04 05 06 \r\n");
}

TEST(ResultFileLayout, BackAndTicketLines) {
  TempDir dir;
  ASSERT_TRUE(SaveBackPairs({BackPair{3, 11}, BackPair{1, 2}}, dir.file("b.txt"), nullptr));
  EXPECT_EQ(ReadBytes(dir.file("b.txt")), "03 11 \r\n01 02 \r\n");
  ASSERT_TRUE(SaveTickets({Ticket{Combo{1, 7, 12, 30, 35}, BackPair{3, 11}, 4}}, dir.file("t.txt"),
                          nullptr));
  EXPECT_EQ(ReadBytes(dir.file("t.txt")), "01 07 12 30 35 03 11 \r\n");
}

TEST(ResultFileLayout, GradedTicketLineEndsWithThePrizeTextInGbk) {
  TempDir dir;
  ASSERT_TRUE(SaveGradedTickets({Ticket{Combo{1, 2, 3, 4, 5}, BackPair{1, 2}, 1},
                                 Ticket{Combo{1, 2, 3, 4, 5}, BackPair{1, 2}, 0}},
                                dir.file("g"), nullptr));
  EXPECT_EQ(ReadBytes(dir.file("g.txt")),
            "01 02 03 04 05 01 02 \xD2\xBB\xB5\xC8\xBD\xB1\r\n"
            "01 02 03 04 05 01 02 \xCE\xB4\xD6\xD0\xBD\xB1\r\n");
}

TEST(ResultFileLayout, EmptyListGivesAnEmptyFile) {
  TempDir dir;
  ASSERT_TRUE(SaveCombos({}, dir.file("e.txt"), nullptr));
  EXPECT_EQ(ReadBytes(dir.file("e.txt")), "");
  auto back = ReadFrontResults(dir.file("e.txt"), nullptr);
  ASSERT_TRUE(back);
  EXPECT_TRUE(back->empty());
}

TEST(ResultFileNames, TxtIsAppendedOnlyWhenTheNameLacksIt) {
  TempDir dir;
  std::string saved;
  ASSERT_TRUE(SaveCombos({Combo{1, 2, 3, 4, 5}}, dir.file("plain"), nullptr, &saved));
  EXPECT_EQ(saved, dir.file("plain.txt"));
  EXPECT_TRUE(std::filesystem::exists(dir.file("plain.txt")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("plain")));

  ASSERT_TRUE(SaveCombos({Combo{1, 2, 3, 4, 5}}, dir.file("a.txt.bak"), nullptr, &saved));
  EXPECT_EQ(saved, dir.file("a.txt.bak"));
  EXPECT_TRUE(std::filesystem::exists(dir.file("a.txt.bak")));
}

TEST(ResultFileNames, LoadFindsTheFileWithOrWithoutTxt) {
  TempDir dir;
  WriteBytes(dir.file("r.txt"), "01 02 03 04 05 \r\n");
  auto a = ReadFrontResults(dir.file("r"), nullptr);
  auto b = ReadFrontResults(dir.file("r.txt"), nullptr);
  ASSERT_TRUE(a);
  ASSERT_TRUE(b);
  EXPECT_EQ(*a, *b);
  // A file named exactly as typed wins over the one with ".txt".
  WriteBytes(dir.file("r"), "06 07 08 09 10 \r\n");
  auto c = ReadFrontResults(dir.file("r"), nullptr);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->front(), (Combo{6, 7, 8, 9, 10}));
  std::string error;
  EXPECT_FALSE(ReadFrontResults(dir.file("missing"), &error));
  EXPECT_NE(error.find("missing"), std::string::npos);
}

TEST(ResultFileRoundTrip, SavedListLoadsBackTheSame) {
  TempDir dir;
  ResultList list;
  std::vector<Combo> combos;
  for (const auto& d : test::RandomHistory(300, 11)) combos.push_back(d.front);
  ASSERT_TRUE(list.AssignCombos(combos));
  list.MutableAt(5).mark = 9;  // marks are not saved
  ASSERT_TRUE(SaveFrontResults(list, dir.file("round"), nullptr));
  const std::string bytes = ReadBytes(dir.file("round.txt"));
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 300);

  ResultList loaded;
  loaded.SetPage(4);
  std::string error;
  ASSERT_TRUE(LoadFrontResults(loaded, dir.file("round.txt"), &error)) << error;
  EXPECT_EQ(loaded.Combos(), combos);
  EXPECT_EQ(loaded.At(5).mark, 0);
  EXPECT_EQ(loaded.Page(), 1);

  BackList back;
  ASSERT_TRUE(back.Append(BackPair{1, 12}));
  ASSERT_TRUE(back.Append(BackPair{4, 9}));
  ASSERT_TRUE(SaveBackResults(back, dir.file("back"), nullptr));
  BackList backLoaded;
  ASSERT_TRUE(LoadBackResults(backLoaded, dir.file("back"), &error)) << error;
  EXPECT_EQ(backLoaded.Items(), back.Items());

  TicketList tickets;
  ASSERT_TRUE(tickets.Append(Ticket{Combo{3, 9, 18, 27, 33}, BackPair{2, 7}, 0}));
  ASSERT_TRUE(tickets.Append(Ticket{Combo{1, 2, 3, 4, 5}, BackPair{11, 12}, 0}));
  ASSERT_TRUE(SaveTicketResults(tickets, dir.file("tickets.txt"), nullptr));
  TicketList ticketsLoaded;
  ASSERT_TRUE(LoadTicketResults(ticketsLoaded, dir.file("tickets.txt"), &error)) << error;
  EXPECT_EQ(ticketsLoaded.Items(), tickets.Items());
}

TEST(ResultFileLoading, NumbersAreSortedAndTheRestOfALineIsIgnored) {
  const auto combos = ParseComboLines({"35 01 12 07 30", "", "  02\t03 04 05 06 07 08 "}, "x.txt",
                                      100, "full", nullptr);
  ASSERT_TRUE(combos);
  ASSERT_EQ(combos->size(), 2u);
  EXPECT_EQ((*combos)[0], (Combo{1, 7, 12, 30, 35}));
  EXPECT_EQ((*combos)[1], (Combo{2, 3, 4, 5, 6}));
  // A graded ticket file loads back as tickets.
  const auto tickets =
      ParseTicketLines({"01 02 03 04 05 12 01 一等奖"}, "g.txt", 10, "full", nullptr);
  ASSERT_TRUE(tickets);
  EXPECT_EQ((*tickets)[0].back, (BackPair{1, 12}));
}

TEST(ResultFileLoading, BadLinesNameTheLineAndLoadNothing) {
  struct Case {
    std::string line, message;
  };
  const std::vector<Case> cases = {
      {"01 02 03 04 36 ", "f.txt 第2行: 主号36超出1到35的范围"},
      {"01 02 03 04 00 ", "f.txt 第2行: 主号0超出1到35的范围"},
      {"01 02 03 03 05 ", "f.txt 第2行: 主号03重复"},
      {"01 02 03 04 ", "f.txt 第2行: 只有4个号码, 应为5个"},
      {"01 02 x3 04 05 ", "f.txt 第2行: \"x3\"不是整数"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseComboLines({"01 02 03 04 05 ", c.line}, "f.txt", 100, "full", &error));
    EXPECT_EQ(error, c.message) << c.line;
  }
  std::string error;
  EXPECT_FALSE(ParseBackPairLines({"01 13 "}, "b.txt", 100, "full", &error));
  EXPECT_EQ(error, "b.txt 第1行: 副号13超出1到12的范围");
  EXPECT_FALSE(ParseTicketLines({"01 02 03 04 05 06 06 "}, "t.txt", 100, "full", &error));
  EXPECT_EQ(error, "t.txt 第1行: 副号06重复");
}

TEST(ResultFileLoading, AFailedLoadKeepsTheListAsItWas) {
  TempDir dir;
  WriteBytes(dir.file("bad.txt"), "01 02 03 04 05 \r\n06 07 08 09 99 \r\n");
  ResultList list;
  ASSERT_TRUE(list.AssignCombos({Combo{10, 11, 12, 13, 14}}));
  std::string error;
  EXPECT_FALSE(LoadFrontResults(list, dir.file("bad.txt"), &error));
  EXPECT_EQ(error, dir.file("bad.txt") + " 第2行: 主号99超出1到35的范围");
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.At(1).numbers, (Combo{10, 11, 12, 13, 14}));
}

TEST(ResultFileLoading, AFileBeyondTheCapacityIsRefused) {
  TempDir dir;
  std::string text;
  for (int i = 0; i < 101; ++i) text += "01 02 \r\n";
  WriteBytes(dir.file("many.txt"), text);
  BackList list;
  ASSERT_TRUE(list.Append(BackPair{5, 6}));
  std::string error;
  EXPECT_FALSE(LoadBackResults(list, dir.file("many.txt"), &error));
  EXPECT_EQ(error, dir.file("many.txt") + "中的号码超过100组, 副区列表最多只能容纳100组号码");
  EXPECT_EQ(list.Count(), 1);
  // Exactly 100 fit.
  text.resize(text.size() - 8);
  WriteBytes(dir.file("many.txt"), text);
  ASSERT_TRUE(LoadBackResults(list, dir.file("many.txt"), &error)) << error;
  EXPECT_EQ(list.Count(), 100);
}

TEST(ResultFileLoading, GbkAndLfOnlyFilesLoad) {
  TempDir dir;
  WriteBytes(dir.file("lf.txt"), "01 02 03 04 05 06 07 \xD2\xBB\xB5\xC8\xBD\xB1\n");
  auto tickets = ReadTicketResults(dir.file("lf.txt"), nullptr);
  ASSERT_TRUE(tickets);
  ASSERT_EQ(tickets->size(), 1u);
  EXPECT_EQ((*tickets)[0].back, (BackPair{6, 7}));
}

TEST(ListingLayout, FrontListingByteForByte) {
  TempDir dir;
  const std::string path = ListingPath(dir.path());
  EXPECT_EQ(path, dir.path() + "/temppadnote.txt");
  ASSERT_TRUE(WriteFrontListing({Combo{1, 7, 12, 30, 35}, Combo{2, 3, 4, 5, 6}}, path, nullptr));
  EXPECT_EQ(GoldenMismatch("listings/front_listing.txt", ReadBytes(path)), "");
}

TEST(ListingLayout, TicketListingByteForByte) {
  TempDir dir;
  const std::string path = ListingPath(dir.path());
  ASSERT_TRUE(
      WriteTicketListing({Ticket{Combo{1, 7, 12, 30, 35}, BackPair{3, 11}, 0}}, path, nullptr));
  EXPECT_EQ(GoldenMismatch("listings/ticket_listing.txt", ReadBytes(path)), "");
}

TEST(ListingLayout, LabelsArePaddedToTwelveBytes) {
  std::vector<Combo> combos(10000, Combo{1, 2, 3, 4, 5});
  const auto lines = FrontListingLines(combos);
  ASSERT_EQ(lines.size(), 10001u);
  // "第10条" is 6 bytes in GBK and "第10000条" 9 bytes.
  EXPECT_EQ(lines[10], "第10条      " + std::string("      01      02      03      04      05"));
  EXPECT_EQ(lines[10000], "第10000条   " + std::string("      01      02      03      04      05"));
}

TEST(ListingLayout, EmptyListWritesTheHeaderOnly) {
  TempDir dir;
  ASSERT_TRUE(WriteFrontListing({}, dir.file("l.txt"), nullptr));
  EXPECT_EQ(ReadBytes(dir.file("l.txt")), kJiLuHao + "          " + kZhuHao1 + "  " + kZhuHao2 +
                                              "  " + kZhuHao3 + "  " + kZhuHao4 + "  " + kZhuHao5 +
                                              "\r\n");
}

}  // namespace
}  // namespace dlt
