#include "history/results_sync.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>

#include "history/draw_table.h"
#include "history/settings_file.h"
#include "support/history_service.h"
#include "support/test_support.h"

namespace dlt {
namespace {

constexpr const char* kUrl = "https://service.example/history.qry";

// The history service answered in memory: recorded pages of a history,
// with the faults a test plants on single pages.
struct FakeService {
  std::vector<Draw> history;
  std::map<int, std::string> bodies;    // page -> an answer of its own
  std::map<int, std::string> failures;  // page -> the fetch fails so
  std::vector<int> asked;

  PageFetcher Fetcher() {
    return [this](const std::string& url) {
      const int page = test::AskedPage(url);
      asked.push_back(page);
      if (failures.count(page)) return FetchedPage{false, "", failures[page]};
      if (bodies.count(page)) return FetchedPage{true, bodies[page], ""};
      return FetchedPage{true, test::ServicePageJson(history, page), ""};
    };
  }
};

class ResultsSyncTest : public ::testing::Test {
 protected:
  ResultsSyncTest() : table(dir.file("basedata.db")) {
    service.history = test::RandomHistory(350, 11);
  }

  void Store(int count) {
    table.ApplyImport({service.history.begin(), service.history.begin() + count}, false);
  }

  SyncPlan Plan(int maxPages = 0, const SyncWatch& watch = {}) {
    return PlanSync(table.Draws(), service.Fetcher(), {kUrl, maxPages}, watch);
  }

  SyncResult Sync(int maxPages = 0) {
    const SyncPlan plan = Plan(maxPages);
    EXPECT_TRUE(plan.ok()) << plan.error;
    return ApplySync(table, plan);
  }

  void ExpectPrizesOfEveryDraw() {
    PrizeAmounts amounts(table);
    for (const Draw& d : table.Draws())
      EXPECT_EQ(amounts.Read(d.qs), test::RecordedPrizes(d)) << d.qs;
  }

  test::TempDir dir;
  DrawTable table;
  FakeService service;
};

TEST_F(ResultsSyncTest, AnEmptyHistoryReadsEveryPageAndGetsTheWholeHistory) {
  std::vector<std::pair<int, int>> progress;
  SyncWatch watch;
  watch.progress = [&](int read, int inAll) { progress.emplace_back(read, inAll); };
  const SyncResult r = ApplySync(table, Plan(0, watch));
  EXPECT_EQ(service.asked, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));
  EXPECT_EQ(table.Draws(), service.history);
  EXPECT_EQ(r.added, 350);
  EXPECT_EQ(r.firstAdded, service.history.front().qs);
  EXPECT_EQ(r.lastAdded, service.history.back().qs);
  EXPECT_EQ(r.prizesStored, 350);
  EXPECT_EQ(SyncReportLines(r), (std::vector<std::string>{"同步350期, 共350期"}));
  ExpectPrizesOfEveryDraw();
  EXPECT_EQ(DrawTable(dir.file("basedata.db")).Draws(), service.history) << "stored in the file";
}

TEST_F(ResultsSyncTest, AHistory150DrawsBehindReadsUntilAPageHoldsOnlyStoredDraws) {
  Store(200);
  table.SetPosition(17);
  const SyncResult r = Sync();
  // Page 1: 350..251, page 2: 250..151 (50 new), page 3: all stored.
  EXPECT_EQ(service.asked, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(table.Draws(), service.history);
  EXPECT_EQ(r.added, 150);
  EXPECT_EQ(r.firstAdded, service.history[200].qs);
  EXPECT_EQ(r.lastAdded, service.history[349].qs);
  EXPECT_EQ(r.realDraws, 350);
  EXPECT_EQ(table.CurrentDraw(), service.history[17]) << "the cursor stays on its draw";
  // The tiers of every draw the walk met: the new ones and the stored ones that agree.
  EXPECT_EQ(PrizeAmounts(table).StoredDraws().size(), 300u);
  EXPECT_EQ(PrizeAmounts(table).Read(service.history[60].qs),
            test::RecordedPrizes(service.history[60]));
  EXPECT_EQ(PrizeAmounts(table).Read(service.history[40].qs), std::nullopt)
      << "page 4 was not read";
}

TEST_F(ResultsSyncTest, AnUpToDateHistoryReadsOnePageAndAddsOnlyTheAmounts) {
  Store(350);
  SyncResult r = Sync();
  EXPECT_EQ(service.asked, (std::vector<int>{1}));
  EXPECT_EQ(r.added, 0);
  EXPECT_EQ(r.prizesStored, 100);
  EXPECT_EQ(SyncReportLines(r), (std::vector<std::string>{"同步0期, 共350期"}));
  r = Sync();
  EXPECT_EQ(r.prizesStored, 0) << "amounts stored already are not written again";
}

TEST_F(ResultsSyncTest, AStoredDrawThatDiffersIsReportedAndKept) {
  Store(200);
  Draw mine = service.history[160];
  mine.back = {mine.back[0] == 1 ? uint8_t(2) : uint8_t(1), 12};
  table.PutDraw(mine);
  const SyncResult r = Sync();
  EXPECT_EQ(r.added, 150);
  ASSERT_EQ(r.differing.size(), 1u);
  EXPECT_EQ(r.differing[0].stored, mine);
  EXPECT_EQ(r.differing[0].service, service.history[160]);
  EXPECT_EQ(table.Draws()[160], mine) << "never replaced silently";
  EXPECT_EQ(PrizeAmounts(table).Read(mine.qs), std::nullopt)
      << "the service's amounts are for other numbers";
  const auto lines = SyncReportLines(r);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "同步150期, 共350期");
  EXPECT_EQ(lines[1], "1期与服务器的数据不同, 未改动:");
  EXPECT_EQ(lines[2], DifferenceLine(r.differing[0]));
}

TEST_F(ResultsSyncTest, TheForecastRecordIsKept) {
  Store(200);
  const Draw forecast = test::MakeDraw(kForecastQs, {1, 2, 3, 4, 5}, {6, 7});
  table.WriteForecast(forecast);
  const SyncResult r = Sync();
  EXPECT_EQ(r.added, 150);
  EXPECT_EQ(r.realDraws, 350);
  ASSERT_EQ(table.RecordCount(), 351);
  EXPECT_EQ(table.Draws().back(), forecast);
  EXPECT_EQ(std::vector<Draw>(table.Draws().begin(), table.Draws().end() - 1), service.history);
}

TEST_F(ResultsSyncTest, AnyFaultStoresNothingAndSaysWhy) {
  struct Case {
    const char* name;
    std::function<void(FakeService&)> plant;
    std::string message;
  };
  const std::string badRow = test::ServiceAnswerJson(
      2, 4, 350, {"{\"lotteryDrawNum\":\"09100\",\"lotteryDrawResult\":\"01 02\"}"});
  const Case cases[] = {
      {"fetch fails", [](FakeService& s) { s.failures[2] = "连接超时"; },
       "读取第2页失败: 连接超时"},
      {"malformed row", [&](FakeService& s) { s.bodies[2] = badRow; },
       "第2页第1条(第2009100期): lotteryDrawResult应是七个号码"},
      {"error answer",
       [](FakeService& s) { s.bodies[2] = test::ServiceErrorJson("9", "系统繁忙"); },
       "开奖数据服务返回错误: \"系统繁忙\""},
      {"html", [](FakeService& s) { s.bodies[1] = "<html>login</html>"; }, "服务器返回的是网页"},
      {"pages out of order",
       [](FakeService& s) {
         s.bodies[2] = test::ServicePageJson(s.history, 1);
         s.bodies[2].replace(s.bodies[2].find("\"pageNo\":1"), 10, "\"pageNo\":2");
       },
       "第2页的第"},
  };
  Store(100);
  const std::vector<Draw> before = table.Draws();
  for (const Case& c : cases) {
    FakeService faulty{service.history, {}, {}, {}};
    c.plant(faulty);
    const SyncPlan plan = PlanSync(table.Draws(), faulty.Fetcher(), {kUrl, 0});
    EXPECT_FALSE(plan.ok()) << c.name;
    EXPECT_EQ(plan.error.substr(0, c.message.size()), c.message) << c.name << ": " << plan.error;
    EXPECT_TRUE(plan.fresh.empty() && plan.prizes.empty()) << c.name;
    const SyncResult r = ApplySync(table, plan);
    EXPECT_EQ(r.added, 0) << c.name;
    EXPECT_EQ(table.Draws(), before) << c.name;
    EXPECT_TRUE(PrizeAmounts(table).StoredDraws().empty()) << c.name;
  }
}

TEST_F(ResultsSyncTest, ACancelledWalkStoresNothing) {
  SyncWatch watch;
  watch.cancelled = [this] { return service.asked.size() >= 2; };
  const SyncPlan plan = Plan(0, watch);
  EXPECT_TRUE(plan.cancelled);
  EXPECT_TRUE(plan.error.empty());
  EXPECT_EQ(service.asked, (std::vector<int>{1, 2}));
  EXPECT_EQ(ApplySync(table, plan).added, 0);
  EXPECT_TRUE(table.Empty());
}

TEST_F(ResultsSyncTest, APageLimitNeverLeavesAHole) {
  Store(200);
  const SyncPlan one = Plan(1);
  EXPECT_FALSE(one.ok());
  EXPECT_EQ(one.error, "读了1页仍未接上已存的开奖数据(最新为第" +
                           std::to_string(service.history[199].qs) +
                           "期), 为免中间缺期, 没有保存; 请读取更多页");
  service.asked.clear();
  Sync(2);
  EXPECT_EQ(service.asked, (std::vector<int>{1, 2}));
  EXPECT_EQ(table.Draws(), service.history);
}

TEST_F(ResultsSyncTest, ADrawPublishedDuringTheWalkDoesNotCountTwice) {
  // Page 1 is read before a new draw, the rest after it: every row moves
  // down by one, and the last row of page 1 comes again on page 2.
  std::vector<Draw> later = service.history;
  later.push_back(test::MakeDraw(2099001, {1, 2, 3, 4, 5}, {1, 2}));
  for (int page = 2; page <= 4; ++page) service.bodies[page] = test::ServicePageJson(later, page);
  Sync();
  EXPECT_EQ(table.Draws(), service.history);

  // The same row with other numbers is a fault.
  FakeService changed{service.history, {}, {}, {}};
  std::vector<Draw> other = later;
  other[250].back = {other[250].back[0] == 11 ? uint8_t(10) : uint8_t(11), 12};
  changed.bodies[2] = test::ServicePageJson(other, 2);
  DrawTable empty(":memory:");
  const SyncPlan plan = PlanSync(empty.Draws(), changed.Fetcher(), {kUrl, 0});
  EXPECT_EQ(plan.error, "第" + std::to_string(later[250].qs) + "期在第1页和第2页的号码不同");
}

TEST_F(ResultsSyncTest, TheStoreComparesAgainWithTheHistoryAsItIsThen) {
  const SyncPlan plan = Plan();  // made from the empty history
  Draw mine = service.history[5];
  mine.front = {1, 2, 3, 4, 5};
  if (mine == service.history[5]) mine.front[4] = 6;
  table.ApplyImport({service.history[3], mine}, false);  // stored meanwhile
  const SyncResult r = ApplySync(table, plan);
  EXPECT_EQ(r.added, 348);
  ASSERT_EQ(r.differing.size(), 1u);
  EXPECT_EQ(r.differing[0].stored, mine);
  EXPECT_EQ(table.Draws()[5], mine);
  EXPECT_EQ(PrizeAmounts(table).Read(mine.qs), std::nullopt);
  EXPECT_EQ(PrizeAmounts(table).Read(service.history[3].qs),
            test::RecordedPrizes(service.history[3]));
}

TEST_F(ResultsSyncTest, DrawsAndAmountsAreStoredTogetherOrNotAtAll) {
  Store(200);
  const std::vector<Draw> before = table.Draws();
  const SyncPlan plan = Plan();
  // The amounts of one draw cannot be written: the draws written before
  // them in the same transaction go too.
  { PrizeAmounts createsItsTable(table); }
  const std::string trigger = "CREATE TRIGGER refuse BEFORE INSERT ON prizeamounts WHEN NEW.qs = " +
                              std::to_string(service.history[300].qs) +
                              " BEGIN SELECT RAISE(ABORT, 'refused'); END";
  ASSERT_EQ(sqlite3_exec(table.Database(), trigger.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  EXPECT_THROW(ApplySync(table, plan), DbError);
  EXPECT_EQ(table.Draws(), before);
  EXPECT_TRUE(PrizeAmounts(table).StoredDraws().empty());
  EXPECT_EQ(DrawTable(dir.file("basedata.db")).Draws(), before);
}

TEST(PrizeAmountStore, KeepsTheTiersOfEachDrawInTheirOrder) {
  test::TempDir dir;
  const Draw d = test::MakeDraw(2026093, {8, 10, 22, 26, 29}, {3, 10});
  DrawPrizes prizes = test::RecordedPrizes(d);
  {
    DrawTable table(dir.file("basedata.db"));
    PrizeAmounts amounts(table);
    EXPECT_EQ(amounts.Read(d.qs), std::nullopt);
    amounts.Write(prizes);
    prizes.tiers.pop_back();
    prizes.tiers[0].amountFen = 123;
    amounts.Write(prizes);  // replaces the whole list
    amounts.Write(test::RecordedPrizes(test::MakeDraw(2026094, {1, 2, 3, 4, 5}, {1, 2})));
  }
  DrawTable table(dir.file("basedata.db"));
  PrizeAmounts amounts(table);
  EXPECT_EQ(amounts.Read(d.qs), prizes);
  EXPECT_EQ(amounts.StoredDraws(), (std::vector<int32_t>{2026093, 2026094}));
  const auto read = amounts.Read(d.qs);
  EXPECT_EQ(read->AmountFen(1), 123);
  EXPECT_EQ(read->AmountFen(1, true), prizes.tiers[1].amountFen);
  EXPECT_EQ(read->AmountFen(3), std::nullopt) << "a tier without winners has no amount";
  EXPECT_EQ(read->AmountFen(9), std::nullopt) << "a tier the draw does not have";
  EXPECT_EQ(read->Tier(2, true)->name, "二等奖(追加)");
  EXPECT_TRUE(amounts.Erase(d.qs));
  EXPECT_FALSE(amounts.Erase(d.qs));
  EXPECT_EQ(amounts.StoredDraws(), (std::vector<int32_t>{2026094}));
}

TEST(ServiceAddress, PagesAreAskedWithTheGameAndPageNumber) {
  EXPECT_EQ(ServicePageUrl("https://a.example/h.qry", 3),
            "https://a.example/h.qry?gameNo=85&provinceId=0&isVerify=1&pageSize=100&pageNo=3");
  EXPECT_EQ(ServicePageUrl("http://a.example/h.qry?key=1#top", 1),
            "http://a.example/h.qry?key=1&gameNo=85&provinceId=0&isVerify=1&pageSize=100&pageNo=1");
  EXPECT_EQ(ServicePageUrl("http://a.example/h?", 2),
            "http://a.example/h?gameNo=85&provinceId=0&isVerify=1&pageSize=100&pageNo=2");
}

TEST(ServiceAddress, RedirectsStayOnTheHostAndNeverLeaveHttps) {
  struct Case {
    const char* from;
    const char* to;
    bool allowed;
  };
  const Case cases[] = {
      {"https://a.example/x", "https://a.example/y?p=1", true},
      {"https://a.example/x", "https://A.Example:8443/y", true},
      {"http://a.example/x", "https://a.example/x", true},
      {"https://a.example/x", "http://a.example/x", false},
      {"https://a.example/x", "https://b.example/x", false},
      {"https://a.example/x", "https://a.example.evil.example/x", false},
      {"https://a.example/x", "https://a.example@b.example/x", false},
      {"https://a.example/x", "ftp://a.example/x", false},
      {"https://a.example/x", "/relative", false},
      {"http://127.0.0.1:80/x", "http://localhost:80/x", false},
      {"http://[::1]:8080/x", "http://[::1]:9090/y", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RedirectAllowed(c.from, c.to), c.allowed) << c.from << " -> " << c.to;
  EXPECT_EQ(UrlHost("HTTPS://user:pw@Host.Example:443/p"), "host.example");
  EXPECT_EQ(UrlHost("file:///etc/passwd"), "");
  EXPECT_EQ(RedirectRefusedMessage("https://b.example/x"),
            "服务器把请求转到了别处(b.example), 为安全起见没有跟随");
}

TEST(ServiceAddress, TheSettingFileGivesTheAddressOrTheOperatorsOwn) {
  test::TempDir dir;
  const std::string ini = dir.file("dlt.ini");
  EXPECT_EQ(ReadSyncUrl(ini), kDefaultSyncUrl) << "no file";
  test::WriteBytes(ini, "[software]\ndltsettings\\syncurl=\n");
  EXPECT_EQ(ReadSyncUrl(ini), kDefaultSyncUrl) << "empty";
  // Qt quotes a value holding "=".
  test::WriteBytes(
      ini,
      "[software]\ndltsettings\\qs=30\ndltsettings\\syncurl=\"http://127.0.0.1:8080/h?a=b\"\n");
  EXPECT_EQ(ReadSyncUrl(ini), "http://127.0.0.1:8080/h?a=b");
}

}  // namespace
}  // namespace dlt
