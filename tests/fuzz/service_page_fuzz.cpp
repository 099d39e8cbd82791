// A page of the operator's history service, as the sync reads it: what the
// page parser accepts is a well-formed page of valid draws, and a sync that
// is served the page stores exactly the draws it planned (none when it
// refuses), keeps the table a valid history, and adds nothing the second time.
//
// The first input byte sets up the table (low four bits: how many of twelve
// draws are stored; 0x10: a forecast record; 0x20: the page claims a second
// page, which fails to load); the rest is the answer for page 1.
#include <algorithm>

#include "common/json_reader.h"
#include "fuzz_support.h"
#include "history/draw_table.h"
#include "history/draw_text_io.h"
#include "history/results_sync.h"
#include "history/service_page.h"
#include "support/history_service.h"

namespace {

using namespace dlt;

const std::vector<Draw>& Known() {
  static const std::vector<Draw> draws = MakeDemoDraws(12, 3);
  return draws;
}

void CheckPage(const ServicePage& page, std::string_view input) {
  fuzz::Check(page.rows.size() <= static_cast<size_t>(kServicePageSize),
              "a page holds at most 100 rows", input);
  for (size_t i = 0; i < page.rows.size(); ++i) {
    const Draw& d = page.rows[i].draw;
    fuzz::Check(i == 0 || page.rows[i - 1].draw.qs > d.qs, "rows fall strictly by draw number",
                input);
    const auto valid =
        ValidateDraw(d.qs, {d.front[0], d.front[1], d.front[2], d.front[3], d.front[4]},
                     {d.back[0], d.back[1]}, nullptr);
    fuzz::Check(valid && *valid == d, "a row is a valid draw", input);
    const auto& tiers = page.rows[i].tiers;
    for (size_t t = 0; t < tiers.size(); ++t) {
      fuzz::Check(!tiers[t].name.empty() && tiers[t].level >= 0 && tiers[t].level <= 10,
                  "a tier has a name and a level", input);
      fuzz::Check(tiers[t].winners.value_or(0) >= 0 && tiers[t].amountFen.value_or(0) >= 0,
                  "figures are never negative", input);
      for (size_t u = 0; u < t; ++u)
        fuzz::Check(tiers[u].name != tiers[t].name, "tier names are not repeated", input);
    }
  }
}

void CheckTable(const DrawTable& table, std::string_view input) {
  const auto& draws = table.Draws();
  for (size_t i = 0; i < draws.size(); ++i) {
    fuzz::Check(i == 0 || draws[i - 1].qs < draws[i].qs, "the table stays ordered", input);
    if (draws[i].qs == kForecastQs) continue;
    const Draw& d = draws[i];
    const auto valid =
        ValidateDraw(d.qs, {d.front[0], d.front[1], d.front[2], d.front[3], d.front[4]},
                     {d.back[0], d.back[1]}, nullptr);
    fuzz::Check(valid && *valid == d, "only valid draws are stored", input);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view answer = fuzz::AsText(data + 1, size - 1);

  std::string error;
  const auto page = ParseServicePage(answer, 1, &error);
  fuzz::Check(page.has_value() == error.empty(), "a refused page says why", answer);
  if (page) CheckPage(*page, answer);

  DrawTable table(":memory:");
  table.ApplyImport({Known().begin(), Known().begin() + (data[0] & 0x0F) % 13}, false);
  if (data[0] & 0x10) table.WriteForecast(Known()[11]);
  const std::vector<Draw> before = table.Draws();
  const bool secondPageFails = data[0] & 0x20;
  const PageFetcher fetch = [&](const std::string& url) {
    if (test::AskedPage(url) == 1) return FetchedPage{true, std::string(answer), ""};
    return FetchedPage{!secondPageFails, test::ServiceAnswerJson(test::AskedPage(url), 1, 0, {}),
                       secondPageFails ? "连接超时" : ""};
  };
  const SyncPlan plan = PlanSync(table.Draws(), fetch, {"http://127.0.0.1/h", 0});
  const SyncResult r = ApplySync(table, plan);
  if (!plan.ok()) {
    fuzz::Check(table.Draws() == before, "a refused sync stores nothing", answer);
    return 0;
  }
  fuzz::Check(static_cast<size_t>(r.added) == plan.fresh.size(), "every planned draw is added",
              answer);
  fuzz::Check(table.RecordCount() == static_cast<int>(before.size()) + r.added,
              "the added draws are counted", answer);
  CheckTable(table, answer);
  for (const DrawDifference& d : r.differing)
    fuzz::Check(table.Draws()[table.IndexOf(d.stored.qs)] == d.stored, "a differing draw is kept",
                answer);
  const SyncPlan again = PlanSync(table.Draws(), fetch, {"http://127.0.0.1/h", 0});
  fuzz::Check(again.ok() && again.fresh.empty(), "the same page adds nothing the second time",
              answer);
  return 0;
}

std::vector<dlt::fuzz::Seed> dlt::fuzz::Seeds() {
  const auto& k = Known();
  std::vector<std::string> rows;
  for (int i = 11; i >= 0; --i) rows.push_back(test::ServiceRowJson(k[i]));
  const std::string page = test::ServiceAnswerJson(1, 1, 12, rows);
  std::string wrongType = page;
  wrongType.replace(wrongType.find("\"stakeCount\":\""), 14, "\"stakeCount\":");
  wrongType.replace(wrongType.find("\",\"stakeAmount\""), 1, "");
  std::vector<std::string> firstHalf(rows.begin(), rows.begin() + 6);
  return {
      {"seed-empty-table", std::string(1, '\x00') + page},
      {"seed-half-stored", std::string(1, '\x06') + page},
      {"seed-all-stored-forecast", std::string(1, '\x1c') + page},
      {"seed-second-page-fails",
       std::string(1, '\x23') + test::ServiceAnswerJson(1, 2, 12, firstHalf)},
      {"seed-error-answer", std::string(1, '\x00') + test::ServiceErrorJson("E1", "系统繁忙")},
      {"seed-html", std::string(1, '\x00') + "<html><body>维护中</body></html>"},
      {"seed-wrong-type", std::string(1, '\x02') + wrongType},
      {"seed-empty-list", std::string(1, '\x05') + test::ServiceAnswerJson(1, 0, 0, {})},
  };
}
