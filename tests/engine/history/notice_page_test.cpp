#include "history/notice_page.h"

#include <gtest/gtest.h>

#include "history/draw_table.h"
#include "support/test_support.h"

namespace dlt {
namespace {

using test::MakeDraw;
using test::TempDir;

void Store(DrawTable& table, const std::vector<Draw>& draws, bool overwrite) {
  WriteBatch batch(table);
  table.ApplyImport(draws, overwrite);
}

// One entry of the draw-data section: key, draw number, seven two-digit numbers.
std::string Entry(int n, const std::string& digits) {
  char key[16];
  std::snprintf(key, sizeof key, "%07d:", n);
  return std::string(key) + digits + "\n";
}

TEST(NoticePage, ValuesStandBetweenMirroredMarkers) {
  const std::string page =
      "<html>打开网页:是:打开网页 启动时更新:否:启动时更新\n"
      "18提示:新版已发布。:18提示 17提示:旧版提示:17提示 公共提示:数据仅供参考:公共提示\n"
      "18下载地址:http://a.example/x$https://b.example/y$:18下载地址 新版本号:19  </html>";
  const NoticeValues v = ParseNoticeValues(page);
  EXPECT_EQ(v.openPages, "是");
  EXPECT_TRUE(v.OpensPages());
  EXPECT_EQ(v.updateAtStart, "否");
  EXPECT_EQ(v.inform, "新版已发布。数据仅供参考") << "version notice, then the public notice";
  EXPECT_EQ(v.downloads, "http://a.example/x$https://b.example/y$");
  EXPECT_EQ(v.newVersion, 19);
}

TEST(NoticePage, MissingMarkersGiveEmptyValuesAndVersionZero) {
  const NoticeValues v = ParseNoticeValues("打开网页:是 (no end marker) 新版本号:abcd");
  EXPECT_EQ(v.openPages, "");
  EXPECT_FALSE(v.OpensPages());
  EXPECT_EQ(v.inform, "");
  EXPECT_EQ(v.downloads, "");
  EXPECT_EQ(v.newVersion, 0) << "a version that is not a number counts as none";
  EXPECT_EQ(ParseNoticeValues("新版本号:").newVersion, 0);
  EXPECT_EQ(ParseNoticeValues("新版本号:20191234").newVersion, 2019) << "only four characters";
}

TEST(NoticePage, TheVersionSelectsItsOwnSections) {
  const std::string page = "17提示:a:17提示 18提示:b:18提示 17下载地址:http://x/$:17下载地址";
  EXPECT_EQ(ParseNoticeValues(page, 17).inform, "a");
  EXPECT_EQ(ParseNoticeValues(page, 17).downloads, "http://x/$");
  EXPECT_EQ(ParseNoticeValues(page, 18).inform, "b");
  EXPECT_EQ(ParseNoticeValues(page, 18).downloads, "");
}

TEST(NoticePage, AnEntryIsTwentyNineCharacters) {
  // The worked example: key of entry 1, 2009001, then 03 05 12 18 22 05 11.
  const std::string section = "0000001:20090010305121822051100000002:";
  const NoticeEntry e = FindNoticeEntry(section, 1);
  ASSERT_TRUE(e.found);
  ASSERT_TRUE(e.draw.has_value()) << e.error;
  EXPECT_EQ(*e.draw, MakeDraw(2009001, {3, 5, 12, 18, 22}, {5, 11}));
  EXPECT_FALSE(FindNoticeEntry(section, 3).found);
  const NoticeEntry second = FindNoticeEntry(section, 2);
  EXPECT_TRUE(second.found);
  EXPECT_FALSE(second.draw.has_value()) << "key without its 21 digits";
}

TEST(NoticePage, OutOfRangeAndRepeatedNumbersAreRefused) {
  EXPECT_FALSE(FindNoticeEntry("0000001:200900103051218360511", 1).draw) << "36 in the front";
  EXPECT_FALSE(FindNoticeEntry("0000001:200900103051218220513", 1).draw) << "13 in the back";
  EXPECT_FALSE(FindNoticeEntry("0000001:200900103031218220511", 1).draw) << "03 twice";
  EXPECT_FALSE(FindNoticeEntry("0000001:999999903051218220511", 1).draw) << "reserved number";
  EXPECT_FALSE(FindNoticeEntry("0000001:20090010305121822051x", 1).draw);
  const auto unordered = FindNoticeEntry("0000001:200900122180503121105", 1);
  ASSERT_TRUE(unordered.draw);
  EXPECT_EQ(*unordered.draw, MakeDraw(2009001, {3, 5, 12, 18, 22}, {5, 11}))
      << "numbers are stored ascending";
}

class NoticeDraws : public ::testing::Test {
 protected:
  TempDir dir;
  DrawTable table{dir.file("basedata.db")};
  std::vector<Draw> history = test::RandomHistory(12, 3);

  std::string PageOf(const std::vector<Draw>& draws) {
    std::string page = "公共提示:x:公共提示\n中奖数据\n";
    for (size_t i = 0; i < draws.size(); ++i) {
      std::string digits = FormatDrawLine(draws[i]);
      digits.erase(std::remove(digits.begin(), digits.end(), ' '), digits.end());
      page += Entry(static_cast<int>(i) + 1, digits);
    }
    return page;
  }
};

TEST_F(NoticeDraws, NewDrawsAreAppendedAndExistingOnesSkipped) {
  Store(table, {history.begin(), history.begin() + 5}, false);
  // The page starts with a draw the table does not hold, then repeats stored ones.
  std::vector<Draw> page = {history[6], history[2], history[3], history[7], history[8]};
  const auto r = ApplyNoticeDraws(table, PageOf(page));
  EXPECT_EQ(r.added, 3);
  EXPECT_EQ(r.existing, 2);
  EXPECT_EQ(r.invalid, 0);
  EXPECT_EQ(table.RecordCount(), 8);
  EXPECT_GE(table.IndexOf(history[6].qs), 0);
  EXPECT_GE(table.IndexOf(history[8].qs), 0);
  const auto again = ApplyNoticeDraws(table, PageOf(page));
  EXPECT_EQ(again.added, 0) << "nothing is added twice";
  EXPECT_EQ(table.RecordCount(), 8);
}

TEST_F(NoticeDraws, AStoredFirstEntrySkipsAheadToTheDrawsAfterTheLastStoredOne) {
  Store(table, {history.begin(), history.begin() + 8}, false);
  // The page lists draws 3..12: entry 1 (draw 3) is stored at record 3,
  // the last stored draw is record 8, so entries 2..6 are passed over.
  const std::vector<Draw> page(history.begin() + 2, history.end());
  const auto r = ApplyNoticeDraws(table, PageOf(page));
  EXPECT_EQ(r.existing, 1);
  EXPECT_EQ(r.passedOver, 5);
  EXPECT_EQ(r.added, 4);
  EXPECT_EQ(r.gapsFilled, 0);
  EXPECT_EQ(table.RecordCount(), 12);
}

TEST_F(NoticeDraws, TheSkipAheadStepsBackOverReservedDraws) {
  Store(table, {history.begin(), history.begin() + 4}, false);
  table.WriteForecast(MakeDraw(0, {1, 2, 3, 4, 5}, {1, 2}));
  const std::vector<Draw> page(history.begin(), history.begin() + 6);
  const auto r = ApplyNoticeDraws(table, PageOf(page));
  EXPECT_EQ(r.passedOver, 3) << "the forecast record does not count as a stored draw";
  EXPECT_EQ(r.added, 2);
  EXPECT_EQ(table.RecordCount(), 7);
}

TEST_F(NoticeDraws, ADrawMissingInsideTheSkippedRangeIsStillAdded) {
  std::vector<Draw> stored(history.begin(), history.begin() + 8);
  stored.erase(stored.begin() + 4);  // a gap: draw 5 was never stored
  Store(table, stored, false);
  const auto r = ApplyNoticeDraws(table, PageOf(history));
  EXPECT_EQ(r.gapsFilled, 1);
  EXPECT_EQ(r.added, 5) << "the gap and draws 9..12";
  EXPECT_EQ(table.RecordCount(), 12);
  EXPECT_GE(table.IndexOf(history[4].qs), 0);
}

TEST_F(NoticeDraws, MalformedEntriesAreSkippedAndCounted) {
  std::string page = PageOf({history[0], history[1]});
  page += Entry(3, "2009xx10305121822051");   // not digits
  page += Entry(4, "200900103051218360511");  // 36 is no front number
  std::string good = FormatDrawLine(history[2]);
  good.erase(std::remove(good.begin(), good.end(), ' '), good.end());
  page += Entry(5, good);
  const auto r = ApplyNoticeDraws(table, page);
  EXPECT_EQ(r.invalid, 2);
  EXPECT_EQ(r.added, 3);
  EXPECT_EQ(table.RecordCount(), 3);
}

TEST_F(NoticeDraws, TheWalkEndsAtTheFirstMissingKeyAndNeedsTheSection) {
  std::string page = PageOf({history[0]});
  std::string far = FormatDrawLine(history[1]);
  far.erase(std::remove(far.begin(), far.end(), ' '), far.end());
  page += Entry(3, far);  // entry 2 is missing
  EXPECT_EQ(ApplyNoticeDraws(table, page).added, 1);
  std::string noSection = page;
  noSection.replace(noSection.find("中奖数据"), std::string("中奖数据").size(), "数据");
  DrawTable other(dir.file("other.db"));
  EXPECT_EQ(ApplyNoticeDraws(other, noSection).added, 0);
}

TEST_F(NoticeDraws, AMissingKeyEndsTheWalkWhilePassingOverToo) {
  Store(table, {history.begin() + 1, history.begin() + 5}, false);
  // Entry 1 is new; entry 2 is missing, entry 3 new as well. The first update
  // stops at entry 2; once entry 1 is stored, a second update passes over
  // entries 2..5 and must stop at the missing key just the same.
  std::string page = PageOf({history[0]});
  std::string third = FormatDrawLine(history[8]);
  third.erase(std::remove(third.begin(), third.end(), ' '), third.end());
  page += Entry(3, third);
  EXPECT_EQ(ApplyNoticeDraws(table, page).added, 1);
  const auto again = ApplyNoticeDraws(table, page);
  EXPECT_EQ(again.added, 0) << "the same page adds nothing the second time";
  EXPECT_EQ(table.IndexOf(history[8].qs), -1);
}

TEST_F(NoticeDraws, TheCursorStaysWhereItWas) {
  Store(table, {history.begin(), history.begin() + 5}, false);
  table.LocateDraw(history[1].qs);
  ApplyNoticeDraws(table, PageOf(history));
  EXPECT_EQ(table.CurrentDraw().qs, history[1].qs);
}

// The entries found in one pass are those the search for each key in turn
// finds: keys inside the digits of others, repeated keys, keys out of order.
TEST(NoticeEntries, OnePassFindsWhatTheSearchFinds) {
  const std::string sections[] = {
      "0000001:20090010305121822051100000002:200900203051218220511",
      "x0000002:200900203051218220511 0000001:200900103051218220511 "
      "0000001:200900903051218220511 90000003:200900303051218220511",
      "0000001:2009001 0000002:20090020305121822051x 0000004:200900403051218220511",
      "::0000000:1234567:0000001::",
      "",
  };
  for (const std::string& section : sections) {
    std::vector<NoticeEntry> byKey;
    for (int n = 1; FindNoticeEntry(section, n).found; ++n)
      byKey.push_back(FindNoticeEntry(section, n));
    const std::vector<NoticeEntry> entries = NoticeEntries(section);
    ASSERT_EQ(entries.size(), byKey.size()) << section;
    for (size_t i = 0; i < entries.size(); ++i) {
      EXPECT_EQ(entries[i].draw, byKey[i].draw) << section << " " << i;
      EXPECT_EQ(entries[i].error, byKey[i].error) << section << " " << i;
    }
  }
  EXPECT_EQ(NoticeEntries(sections[1]).size(), 3u);
  EXPECT_EQ(NoticeEntries(sections[1])[0].draw->qs, 2009001) << "the first key 1 counts";
}

// Applying a page costs one table lookup per entry and one row write per
// new row, however long the page: the work doubles with the entries, never
// more. Counted, not timed.
TEST_F(NoticeDraws, ApplyingAPageIsLinearInItsEntries) {
  for (const int n : {400, 800, 1600}) {
    SCOPED_TRACE(n);
    TempDir folder;
    DrawTable t(folder.file("basedata.db"));
    const std::vector<Draw> all = test::RandomHistory(n, 5);
    Store(t, {all.begin(), all.begin() + 100}, false);
    const std::string page = PageOf(all);
    int64_t lookups = 0;
    const NoticeDrawPlan plan = PlanNoticeDraws(page, {[&](int32_t qs) {
                                                         ++lookups;
                                                         return t.IndexOf(qs);
                                                       },
                                                       t.LastRealIndex()});
    EXPECT_EQ(lookups, n) << "one lookup per entry";
    EXPECT_EQ(plan.fresh.size(), static_cast<size_t>(n - 100));
    const int64_t before = t.RowsWritten();
    const auto r = ApplyNoticeDraws(t, page);
    EXPECT_EQ(r.added, n - 100);
    EXPECT_EQ(t.RowsWritten() - before, n - 100) << "each new row written once, the rest kept";

    // Entries in reverse order put every new draw before the stored ones:
    // the rows after them get new moving means, each row still once.
    TempDir other;
    DrawTable back(other.file("basedata.db"));
    Store(back, {all.end() - 100, all.end()}, false);
    const int64_t start = back.RowsWritten();
    const auto reversed = ApplyNoticeDraws(back, PageOf({all.rbegin(), all.rend()}));
    EXPECT_EQ(reversed.added, n - 100);
    EXPECT_EQ(back.Draws(), all);
    EXPECT_LE(back.RowsWritten() - start, n);
  }
}

TEST(NoticePage, ALongNoticeIsCutForTheScreen) {
  std::string longText;
  for (int i = 0; i < 100000; ++i) longText += "公告";  // 600 KB
  const std::string shown = NoticeShownText(longText);
  EXPECT_EQ(shown, longText.substr(0, kNoticeShownChars * 3) + "……");
  EXPECT_EQ(NoticeShownText("短公告", 3), "短公告");
  EXPECT_EQ(NoticeShownText("短公告x", 3), "短公告……");
  EXPECT_EQ(NoticeShownText("ab公c", 3), "ab公……") << "never inside a character";
  EXPECT_EQ(NoticeShownText(""), "");
}

TEST(DownloadList, PiecesBeforeEachDollar) {
  EXPECT_EQ(SplitDownloadList("http://a/$$ https://b/ $tail"),
            (std::vector<std::string>{"http://a/", "https://b/"}))
      << "empty pieces and the piece after the last $ are dropped";
  EXPECT_TRUE(SplitDownloadList("").empty());
}

TEST(DownloadList, OnlyWebAddressesAreOpened) {
  EXPECT_TRUE(IsSafeWebAddress("http://example.com/new.exe"));
  EXPECT_TRUE(IsSafeWebAddress("HTTPS://example.com"));
  EXPECT_TRUE(IsSafeWebAddress("https://example.com:8080/a?b=c#d"));
  EXPECT_FALSE(IsSafeWebAddress("file:///etc/passwd"));
  EXPECT_FALSE(IsSafeWebAddress("C:\\Windows\\system32\\cmd.exe"));
  EXPECT_FALSE(IsSafeWebAddress("/usr/bin/xterm"));
  EXPECT_FALSE(IsSafeWebAddress("javascript:alert(1)"));
  EXPECT_FALSE(IsSafeWebAddress("ftp://example.com/x"));
  EXPECT_FALSE(IsSafeWebAddress("http://"));
  EXPECT_FALSE(IsSafeWebAddress("http:///etc/passwd"));
  EXPECT_FALSE(IsSafeWebAddress("http://a b"));
  EXPECT_FALSE(IsSafeWebAddress("http://a\"b"));
  EXPECT_FALSE(IsSafeWebAddress("http://a\nb"));
  EXPECT_FALSE(IsSafeWebAddress("httpx://a"));
  EXPECT_EQ(SafeDownloadAddresses("http://a.cn/$calc.exe$file:///x$https://b.cn/$"),
            (std::vector<std::string>{"http://a.cn/", "https://b.cn/"}));
}

TEST(NoticePopupText, NewerStoredNoticeWinsAndEmptyBecomesWelcome) {
  NoticeValues run;
  run.inform = "本次提示";
  run.downloads = "http://a/$";
  auto p = ChooseNoticePopup(run, std::nullopt, "旧提示", "http://old/$");
  EXPECT_EQ(p.text, "本次提示");
  p = ChooseNoticePopup(run, 18, "旧提示", "http://old/$");
  EXPECT_EQ(p.text, "本次提示") << "the same version is not newer";
  p = ChooseNoticePopup(run, 19, "新版提示", "http://new/$");
  EXPECT_EQ(p.text, "新版提示");
  EXPECT_EQ(p.downloads, "http://new/$");
  EXPECT_EQ(ChooseNoticePopup(NoticeValues{}, std::nullopt, "", "").text, "欢迎使用。");
}

}  // namespace
}  // namespace dlt
