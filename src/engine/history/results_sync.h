#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/draw.h"
#include "history/prize_amounts.h"

namespace dlt {

class DrawTable;

// The operator's public history service, the default of the `syncurl` setting.
constexpr std::string_view kDefaultSyncUrl =
    "https://webapi.sporttery.cn/gateway/lottery/getHistoryPageListV1.qry";

// What one answer may be: a page of 100 draws with their tiers is some
// hundred kilobytes; far more is no page of the service.
constexpr int64_t kMaxServiceAnswerBytes = 4 * 1024 * 1024;
constexpr int kSyncTimeoutMs = 30000;
constexpr int kMaxSyncRedirects = 5;

// One GET as a fetcher reports it: the body of a 200 answer, or why there is none.
struct FetchedPage {
  bool ok = false;
  std::string body;
  std::string error;
};
// Fetches one address. The command line and the desktop program each bring
// their own; the sync never touches the network itself.
using PageFetcher = std::function<FetchedPage(const std::string& url)>;

// The address of page `pageNo` of 大乐透 (game 85) under the service's address.
std::string ServicePageUrl(std::string_view base, int pageNo);

// The host of an http(s) address, lower case, without port or user part;
// empty when the address is none.
std::string UrlHost(std::string_view url);
// A redirect the sync follows: to an http(s) address on the same host, and
// from https never down to http.
bool RedirectAllowed(std::string_view from, std::string_view to);
// The message for a redirect that is not followed.
std::string RedirectRefusedMessage(std::string_view to);

struct SyncRequest {
  std::string url;   // the service's address (the `syncurl` setting)
  int maxPages = 0;  // 0: as many pages as the walk needs
};

// Progress and cancel of a running sync; either may be empty.
struct SyncWatch {
  std::function<void(int pagesRead, int pagesInAll)> progress;
  std::function<bool()> cancelled;
};

// A stored draw whose numbers the service gives otherwise.
struct DrawDifference {
  Draw stored;
  Draw service;
};

// What a walk over the service's pages found, before anything is stored.
struct SyncPlan {
  std::vector<Draw> fresh;                // draws the history lacks, ascending
  std::vector<DrawDifference> differing;  // ascending by draw number
  std::vector<DrawPrizes> prizes;         // tiers of the fresh draws and of the agreeing ones
  int pagesRead = 0;
  bool cancelled = false;
  std::string error;
  bool ok() const { return !cancelled && error.empty(); }
};

// Walks the service from its newest draw backwards: page after page until a
// page holds only stored draws (for an empty history, through every page),
// the last page, or `maxPages`. `stored` is the history as it stands (the
// reserved pseudo-draws are passed over). Any fetch or page fault ends the
// walk with its message; so does a page limit that would leave a hole
// between the stored draws and the new ones.
SyncPlan PlanSync(const std::vector<Draw>& stored, const PageFetcher& fetch,
                  const SyncRequest& request, const SyncWatch& watch = {});

struct SyncResult {
  int added = 0;
  int32_t firstAdded = 0, lastAdded = 0;
  int realDraws = 0;     // draws stored after the sync, the forecast record not counted
  int prizesStored = 0;  // draws whose tiers were new or changed
  std::vector<DrawDifference> differing;
};

// Stores a plan that ended well in one transaction: the fresh draws with
// the import's rules (a draw stored meanwhile is not added twice, and one
// stored with other numbers is reported, never replaced) and the tiers of
// every draw whose stored numbers agree with the service. The cursor stays
// on its draw. Throws DbError; nothing is stored then.
SyncResult ApplySync(DrawTable& table, const SyncPlan& plan);

// "第2026093期: 已存 01 02 03 04 05 06 07, 服务器为 01 02 03 04 05 06 08"
std::string DifferenceLine(const DrawDifference& d);
// "同步N期, 共M期" followed by a line per differing draw.
std::vector<std::string> SyncReportLines(const SyncResult& r);

}  // namespace dlt
