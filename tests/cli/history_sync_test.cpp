// `dlt history sync` against recorded pages of the history service served on
// 127.0.0.1, read with the command line's own http client.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/http_fetch.h"
#include "cli_test_support.h"
#include "history/draw_table.h"
#include "history/draw_text_io.h"
#include "support/history_service.h"

namespace dlt {
namespace {

using test::HttpAnswer;
using test::LoopbackServer;
using test::RunDlt;

class HistorySyncCommand : public ::testing::Test {
 protected:
  HistorySyncCommand() : history(test::RandomHistory(350, 21)) {}

  void Store(int count) {
    std::filesystem::create_directories(dir.file("database"));
    DrawTable(dir.file("database/basedata.db"))
        .ApplyImport({history.begin(), history.begin() + count}, false);
  }
  std::vector<Draw> Stored() const { return DrawTable(dir.file("database/basedata.db")).Draws(); }
  test::CliRun Sync(const std::string& url, std::vector<std::string> more = {}) {
    std::vector<std::string> args{"history", "sync", "--url", url};
    args.insert(args.end(), more.begin(), more.end());
    return RunDlt(dir.path(), args);
  }

  test::TempDir dir;
  std::vector<Draw> history;
};

TEST_F(HistorySyncCommand, AnEmptyHistoryIsBroughtUpToDate) {
  LoopbackServer server(test::ServiceOver(history));
  const auto r = Sync(server.Url());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "同步350期, 共350期\n");
  EXPECT_EQ(r.err, "已读取第1/4页\n已读取第2/4页\n已读取第3/4页\n已读取第4/4页\n");
  EXPECT_EQ(Stored(), history);
  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(requests[2],
            "/gateway/lottery/getHistoryPageListV1.qry?gameNo=85&provinceId=0&isVerify=1&"
            "pageSize=100&pageNo=3");

  // The amounts came with their draws.
  const Draw& d = history[123];
  const auto prizes = RunDlt(dir.path(), {"history", "prizes", std::to_string(d.qs)});
  ASSERT_EQ(prizes.status, 0) << prizes.err;
  std::string expected;
  for (const PrizeTier& t : test::RecordedPrizes(d).tiers)
    expected += t.name + "\t" + (t.winners ? std::to_string(*t.winners) : "---") + "\t" +
                (t.amountFen ? FormatFen(*t.amountFen) : "---") + "\n";
  EXPECT_EQ(prizes.out, expected);
}

TEST_F(HistorySyncCommand, AHistory150DrawsBehindIsBroughtUpToDate) {
  Store(200);
  LoopbackServer server(test::ServiceOver(history));
  const auto r = Sync(server.Url());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "同步150期, 共350期\n");
  EXPECT_EQ(Stored(), history);
  EXPECT_EQ(server.Requests().size(), 3u);
  EXPECT_EQ(RunDlt(dir.path(), {"history", "sync", "--url", server.Url()}).out,
            "同步0期, 共350期\n");
}

TEST_F(HistorySyncCommand, TheSettingNamesTheServiceWithoutUrl) {
  LoopbackServer server(test::ServiceOver(history));
  test::WriteBytes(dir.file("settings.ini"),
                   "[software]\ndltsettings\\syncurl=" + server.Url() + "\n");
  const auto r = RunDlt(dir.path(), {"history", "sync", "--pages", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "同步100期, 共100期\n");
  EXPECT_EQ(Stored(), std::vector<Draw>(history.begin() + 250, history.end()));
}

TEST_F(HistorySyncCommand, ADifferingDrawIsPrintedAndKept) {
  Store(200);
  Draw mine = history[199];
  mine.back = {mine.back[0] == 1 ? uint8_t(2) : uint8_t(1), 12};
  DrawTable(dir.file("database/basedata.db")).PutDraw(mine);
  LoopbackServer server(test::ServiceOver(history));
  const auto r = Sync(server.Url());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "同步150期, 共350期\n1期与服务器的数据不同, 未改动:\n" +
                       DifferenceLine({mine, history[199]}) + "\n");
  EXPECT_EQ(Stored()[199], mine);
}

// Every malformed answer ends the sync with its reason and stores nothing.
TEST_F(HistorySyncCommand, EveryBadAnswerStoresNothingAndSaysWhy) {
  Store(100);
  const std::vector<Draw> before = Stored();
  const auto pageOf = [this](int page) { return test::ServicePageJson(history, page); };
  std::string wrongType = pageOf(2);
  wrongType.replace(wrongType.find("\"lotteryDrawResult\":\""), 21, "\"lotteryDrawResult\":[\"");
  wrongType.replace(wrongType.find("\",\"lotteryUnsortDrawresult\""), 1, "\"]");
  std::string malformed = pageOf(3);
  malformed.replace(malformed.find("\"stakeAmount\":\"") + 15, 0, "x");
  // A valid answer far over the limit: one huge text member.
  const std::string huge = "{\"pad\":\"" + std::string(5 * 1024 * 1024, 'a') + "\"}";
  std::vector<Draw> longList = test::RandomHistory(150, 22);

  struct Case {
    const char* name;
    std::function<HttpAnswer(int page, const LoopbackServer& self)> answer;
    std::string message;
  };
  const Case cases[] = {
      {"error answer",
       [](int, const LoopbackServer&) {
         return HttpAnswer::Json(test::ServiceErrorJson("40001", "参数错误"));
       },
       "开奖数据服务返回错误: \"参数错误\" (errorCode \"40001\")"},
      {"html instead of json",
       [](int, const LoopbackServer&) {
         return HttpAnswer::Status(200, "<!DOCTYPE html><html><body>请稍后</body></html>",
                                   "text/html");
       },
       "服务器返回的是网页, 不是开奖数据(JSON)"},
      {"wrong type on page 2",
       [&](int page, const LoopbackServer&) {
         return HttpAnswer::Json(page == 2 ? wrongType : pageOf(page));
       },
       "第2页第1条(第" + std::to_string(history[249].qs) +
           "期): lotteryDrawResult应是文本, 却是数组"},
      {"malformed amount on page 3",
       [&](int page, const LoopbackServer&) {
         return HttpAnswer::Json(page == 3 ? malformed : pageOf(page));
       },
       "第3页第1条(第" + std::to_string(history[149].qs) + "期): 一等奖的stakeAmount读不出"},
      {"huge answer with its length",
       [&](int, const LoopbackServer&) { return HttpAnswer::Json(huge); },
       "读取第1页失败: 服务器的回答过大(超过4 MB)"},
      {"huge answer without length",
       [&](int, const LoopbackServer&) {
         HttpAnswer a = HttpAnswer::Json(huge);
         a.sendLength = false;
         return a;
       },
       "读取第1页失败: 服务器的回答过大(超过4 MB)"},
      {"huge page",
       [&](int page, const LoopbackServer&) {
         return HttpAnswer::Json(test::ServicePageJson(longList, page, 150));
       },
       "服务器的回答有误: 一页最多100期, 这一页有150期"},
      {"redirect to another host",
       [](int, const LoopbackServer& self) {
         return HttpAnswer::Redirect(
             302, "http://localhost:" + std::to_string(self.Port()) + "/elsewhere");
       },
       "读取第1页失败: 服务器把请求转到了别处(localhost), 为安全起见没有跟随"},
      {"server error", [](int, const LoopbackServer&) { return HttpAnswer::Status(500, "oops"); },
       "读取第1页失败: 服务器返回错误: HTTP 500"},
  };
  for (const Case& c : cases) {
    const LoopbackServer* self = nullptr;
    LoopbackServer server(
        [&](const std::string& target) { return c.answer(test::AskedPage(target), *self); });
    self = &server;
    const auto r = Sync(server.Url());
    EXPECT_EQ(r.status, 1) << c.name;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.name << ": " << r.err;
    EXPECT_NE(r.err.find("历史数据未改变"), std::string::npos) << c.name << ": " << r.err;
    EXPECT_EQ(r.out, "") << c.name;
    EXPECT_EQ(Stored(), before) << c.name;
  }
}

TEST_F(HistorySyncCommand, ARedirectOnTheSameHostIsFollowed) {
  LoopbackServer server([this](const std::string& target) {
    if (target.starts_with("/old")) {
      return HttpAnswer::Redirect(
          301, "/gateway/lottery/getHistoryPageListV1.qry?" + target.substr(target.find('?') + 1));
    }
    return HttpAnswer::Json(test::ServicePageJson(history, test::AskedPage(target)));
  });
  const auto r = Sync(server.Url("/old"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Stored(), history);
}

TEST_F(HistorySyncCommand, OnlyWebAddressesAreAsked) {
  for (const char* url : {"ftp://127.0.0.1/x", "file:///etc/passwd", "127.0.0.1/x", "http://"}) {
    const auto r = Sync(url);
    EXPECT_EQ(r.status, 1) << url;
    EXPECT_NE(r.err.find("服务地址必须是以http://或https://开头的网址"), std::string::npos)
        << r.err;
  }
  EXPECT_EQ(RunDlt(dir.path(), {"history", "sync", "--pages", "0"}).status, 1);
}

TEST_F(HistorySyncCommand, APrizeListOfADrawWithoutAmountsSaysSo) {
  Store(3);
  const auto r = RunDlt(dir.path(), {"history", "prizes", std::to_string(history[1].qs)});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("期没有奖金数据"), std::string::npos) << r.err;
}

TEST(HttpGet, AServerThatNeverAnswersTimesOut) {
  LoopbackServer server([](const std::string&) { return HttpAnswer::Hang(); });
  cli::FetchLimits limits;
  limits.timeoutMs = 300;
  const FetchedPage page = cli::HttpGet(server.Url(), limits);
  EXPECT_FALSE(page.ok);
  EXPECT_EQ(page.error, "连接超时(1秒内没有完成)");
}

TEST(HttpGet, ANobodyAtThePortIsANetworkError) {
  int port = 0;
  {
    LoopbackServer probe([](const std::string&) { return HttpAnswer::Json(""); });
    port = probe.Port();
  }
  const FetchedPage page = cli::HttpGet("http://127.0.0.1:" + std::to_string(port) + "/x");
  EXPECT_FALSE(page.ok);
  EXPECT_EQ(page.error.rfind("网络错误: ", 0), 0u) << page.error;
}

TEST(HttpGet, RedirectsEndAfterTheirLimit) {
  LoopbackServer server(
      [](const std::string& target) { return HttpAnswer::Redirect(302, target + "x"); });
  const FetchedPage page = cli::HttpGet(server.Url("/r"));
  EXPECT_FALSE(page.ok);
  EXPECT_EQ(page.error, "服务器转向次数过多");
  EXPECT_EQ(server.Requests().size(), static_cast<size_t>(kMaxSyncRedirects + 1));
}

}  // namespace
}  // namespace dlt
