#include "history/results_sync.h"

#include <algorithm>
#include <climits>

#include "common/numbers.h"
#include "history/draw_table.h"
#include "history/notice_page.h"
#include "history/service_page.h"

namespace dlt {
namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool IsHttps(std::string_view url) {
  return Lower(url.substr(0, 8)) == "https://";
}

std::string Numbers(const Draw& d) {
  std::string s;
  for (const uint8_t n : d.front) s += TwoDigit(n) + " ";
  s += TwoDigit(d.back[0]) + " " + TwoDigit(d.back[1]);
  return s;
}

// The stored real draw of that number, or nullptr.
const Draw* FindDraw(const std::vector<Draw>& ascending, int32_t qs) {
  const auto it = std::lower_bound(ascending.begin(), ascending.end(), qs,
                                   [](const Draw& d, int32_t q) { return d.qs < q; });
  return it != ascending.end() && it->qs == qs ? &*it : nullptr;
}

// Walks the pages and sorts every row into the plan.
class SyncWalk {
 public:
  SyncWalk(const std::vector<Draw>& stored, const SyncRequest& request, const SyncWatch& watch)
      : request_(request), watch_(watch) {
    for (const Draw& d : stored)
      if (d.qs <= kLastRealQs) real_.push_back(d);
  }

  SyncPlan Run(const PageFetcher& fetch) {
    for (int pageNo = 1;; ++pageNo) {
      if (Cancelled()) return Finish();
      const FetchedPage got = fetch(ServicePageUrl(request_.url, pageNo));
      if (Cancelled()) return Finish();
      if (!got.ok) return Fail("读取第" + std::to_string(pageNo) + "页失败: " + got.error);
      std::string why;
      const auto page = ParseServicePage(got.body, pageNo, &why);
      if (!page) return Fail(why);
      plan_.pagesRead = pageNo;
      bool onlyStored = !page->rows.empty();
      for (const ServiceRow& row : page->rows) {
        if (!Take(row, pageNo, &onlyStored)) return Finish();
      }
      const int inAll =
          request_.maxPages > 0 ? std::min(page->pages, request_.maxPages) : page->pages;
      if (watch_.progress) watch_.progress(pageNo, std::max(inAll, pageNo));

      if (!real_.empty() && onlyStored) break;
      if (page->rows.empty() || pageNo >= page->pages) break;
      if (request_.maxPages > 0 && pageNo >= request_.maxPages) {
        // The draws between the last one read and the newest stored one
        // would be missing: a history with a hole computes wrong omissions.
        if (!real_.empty() && lastQs_ > real_.back().qs)
          return Fail("读了" + std::to_string(pageNo) + "页仍未接上已存的开奖数据(最新为第" +
                      std::to_string(real_.back().qs) + "期), 为免中间缺期, 没有保存; " +
                      "请读取更多页");
        break;
      }
    }
    std::reverse(plan_.fresh.begin(), plan_.fresh.end());
    std::reverse(plan_.differing.begin(), plan_.differing.end());
    return Finish();
  }

 private:
  bool Cancelled() const { return watch_.cancelled && watch_.cancelled(); }

  SyncPlan Fail(const std::string& why) {
    plan_.error = why;
    return Finish();
  }

  SyncPlan Finish() {
    plan_.cancelled = plan_.error.empty() && Cancelled();
    if (!plan_.ok()) {
      plan_.fresh.clear();
      plan_.differing.clear();
      plan_.prizes.clear();
    }
    return std::move(plan_);
  }

  // Sorts one row in; false (with the error set) when the rows of two pages
  // do not follow each other.
  bool Take(const ServiceRow& row, int pageNo, bool* onlyStored) {
    const Draw& d = row.draw;
    if (d.qs == lastQs_) {
      // A draw published during the walk moves every row down by one: the
      // last row of a page comes again at the top of the next.
      if (d == lastDraw_) return true;
      plan_.error = "第" + std::to_string(d.qs) + "期在第" + std::to_string(pageNo - 1) + "页和第" +
                    std::to_string(pageNo) + "页的号码不同";
      return false;
    }
    if (d.qs > lastQs_) {
      plan_.error = "第" + std::to_string(pageNo) + "页的第" + std::to_string(d.qs) +
                    "期不在上一页的第" + std::to_string(lastQs_) + "期之前: 期号应从新到旧排列";
      return false;
    }
    lastQs_ = d.qs;
    lastDraw_ = d;
    const Draw* stored = FindDraw(real_, d.qs);
    if (!stored) {
      *onlyStored = false;
      plan_.fresh.push_back(d);
    } else if (*stored != d) {
      plan_.differing.push_back({*stored, d});
      return true;
    }
    if (!row.tiers.empty()) plan_.prizes.push_back({d.qs, row.tiers});
    return true;
  }

  const SyncRequest& request_;
  const SyncWatch& watch_;
  std::vector<Draw> real_;
  SyncPlan plan_;
  int32_t lastQs_ = INT32_MAX;
  Draw lastDraw_;
};

}  // namespace

std::string ServicePageUrl(std::string_view base, int pageNo) {
  std::string url(base.substr(0, base.find('#')));
  if (url.find('?') == std::string::npos)
    url += '?';
  else if (url.back() != '?' && url.back() != '&')
    url += '&';
  return url + "gameNo=85&provinceId=0&isVerify=1&pageSize=" + std::to_string(kServicePageSize) +
         "&pageNo=" + std::to_string(pageNo);
}

std::string UrlHost(std::string_view url) {
  const std::string head = Lower(url.substr(0, 8));
  size_t from;
  if (head.starts_with("http://"))
    from = 7;
  else if (head.starts_with("https://"))
    from = 8;
  else
    return {};
  std::string_view authority = url.substr(from);
  authority = authority.substr(0, authority.find_first_of("/?#"));
  if (const size_t at = authority.rfind('@'); at != std::string_view::npos)
    authority.remove_prefix(at + 1);
  if (authority.starts_with('[')) {
    const size_t close = authority.find(']');
    return close == std::string_view::npos ? std::string() : Lower(authority.substr(0, close + 1));
  }
  return Lower(authority.substr(0, authority.find(':')));
}

bool RedirectAllowed(std::string_view from, std::string_view to) {
  if (!IsSafeWebAddress(to)) return false;
  const std::string host = UrlHost(to);
  if (host.empty() || host != UrlHost(from)) return false;
  return !IsHttps(from) || IsHttps(to);
}

std::string RedirectRefusedMessage(std::string_view to) {
  const std::string host = UrlHost(to);
  return "服务器把请求转到了别处(" + (host.empty() ? std::string("非网页地址") : host) +
         "), 为安全起见没有跟随";
}

SyncPlan PlanSync(const std::vector<Draw>& stored, const PageFetcher& fetch,
                  const SyncRequest& request, const SyncWatch& watch) {
  return SyncWalk(stored, request, watch).Run(fetch);
}

SyncResult ApplySync(DrawTable& table, const SyncPlan& plan) {
  SyncResult r;
  if (!plan.ok()) return r;
  CursorGuard keep(table);
  // The history may have changed since the walk began (the plan is made off
  // the interface thread): it is compared again here.
  std::vector<Draw> fresh;
  r.differing = plan.differing;
  for (const Draw& d : plan.fresh) {
    const int i = table.IndexOf(d.qs);
    if (i < 0)
      fresh.push_back(d);
    else if (table.Draws()[i] != d)
      r.differing.push_back({table.Draws()[i], d});
  }
  std::sort(
      r.differing.begin(), r.differing.end(),
      [](const DrawDifference& a, const DrawDifference& b) { return a.stored.qs < b.stored.qs; });
  auto differs = [&](int32_t qs) {
    return std::any_of(r.differing.begin(), r.differing.end(),
                       [qs](const DrawDifference& x) { return x.stored.qs == qs; });
  };
  {
    WriteBatch batch(table);
    r.added = table.ApplyImport(fresh, /*overwrite=*/false);
    PrizeAmounts amounts(table);
    for (const DrawPrizes& p : plan.prizes) {
      if (table.IndexOf(p.qs) < 0 || differs(p.qs)) continue;
      const auto old = amounts.Read(p.qs);
      if (old && old->tiers == p.tiers) continue;
      amounts.Write(p);
      ++r.prizesStored;
    }
  }
  if (r.added > 0) {
    r.firstAdded = fresh.front().qs;
    r.lastAdded = fresh.back().qs;
  }
  r.realDraws = table.LastRealIndex() + 1;
  return r;
}

std::string DifferenceLine(const DrawDifference& d) {
  return "第" + std::to_string(d.stored.qs) + "期: 已存 " + Numbers(d.stored) + ", 服务器为 " +
         Numbers(d.service);
}

std::vector<std::string> SyncReportLines(const SyncResult& r) {
  std::vector<std::string> lines{"同步" + std::to_string(r.added) + "期, 共" +
                                 std::to_string(r.realDraws) + "期"};
  if (!r.differing.empty()) {
    lines.push_back(std::to_string(r.differing.size()) + "期与服务器的数据不同, 未改动:");
    for (const DrawDifference& d : r.differing) lines.push_back(DifferenceLine(d));
  }
  return lines;
}

}  // namespace dlt
