#include "cli/draw_range_args.h"

#include <CLI/CLI.hpp>
#include <string>

#include "cli/cli_context.h"
#include "cli/option_checks.h"
#include "history/draw_table.h"
#include "killnum/kill_history.h"

namespace dlt::cli {
namespace {

using IndexLookup = std::function<int(int32_t)>;
using IssueAt = std::function<int32_t(int)>;

int Located(const IndexLookup& indexOf, int32_t qs) {
  const int index = indexOf(qs);
  if (index < 0) throw CliError("没有第" + std::to_string(qs) + "期的开奖数据");
  return index;
}

DrawSpan Span(const IndexLookup& indexOf, const IssueAt& issueAt, int drawCount, int32_t fromQs,
              int32_t toQs, int defaultFirst, int defaultLast) {
  DrawSpan s{fromQs ? Located(indexOf, fromQs) : defaultFirst,
             toQs ? Located(indexOf, toQs) : defaultLast};
  if (drawCount == 0 || s.first < 0 || s.last < 0) throw CliError(kNoDrawInRange);
  if (s.first > s.last) throw CliError(ReversedRangeMessage(issueAt(s.first), issueAt(s.last)));
  return s;
}

}  // namespace

std::string ReversedRangeMessage(int32_t fromQs, int32_t toQs) {
  return "期号范围的起点在终点之后: 第" + std::to_string(fromQs) + "期在第" + std::to_string(toQs) +
         "期之后";
}

int IndexOfDraw(const DrawTable& table, int32_t qs) {
  return Located([&](int32_t q) { return table.IndexOf(q); }, qs);
}

int IndexOfDraw(const KillHistory& history, int32_t qs) {
  return Located([&](int32_t q) { return history.IndexOf(q); }, qs);
}

DrawSpan SpanOfIssues(const DrawTable& table, int32_t fromQs, int32_t toQs, int defaultFirst,
                      int defaultLast) {
  return Span([&](int32_t q) { return table.IndexOf(q); },
              [&](int i) { return table.Draws()[static_cast<size_t>(i)].qs; }, table.RecordCount(),
              fromQs, toQs, defaultFirst, defaultLast);
}

DrawSpan SpanOfIssues(const KillHistory& history, int32_t fromQs, int32_t toQs, int defaultFirst,
                      int defaultLast) {
  return Span([&](int32_t q) { return history.IndexOf(q); },
              [&](int i) { return history.At(i).qs; }, history.RealCount(), fromQs, toQs,
              defaultFirst, defaultLast);
}

DrawSpan SpanOfIssueText(const DrawTable& table, const std::string& text) {
  const size_t dash = text.find('-', 1);
  const auto issue = [&](const std::string& part) {
    size_t used = 0;
    int32_t qs = 0;
    try {
      qs = std::stoi(part, &used);
    } catch (const std::exception&) {
      used = 0;
    }
    if (used == 0 || used != part.size() || qs == 0) throw CliError("期号不正确: " + part);
    return qs;
  };
  if (dash == std::string::npos) throw CliError("期号范围应写作 QS-QS: " + text);
  return SpanOfIssues(table, issue(text.substr(0, dash)), issue(text.substr(dash + 1)), 0,
                      table.RecordCount() - 1);
}

void AddRangeOptions(CLI::App* cmd, RangeOptions& r) {
  auto* last =
      cmd->add_option("--last", r.last, "the last N draws (default 100)")->check(AtLeast(1));
  auto* from = cmd->add_option("--from", r.from, "first draw QS");
  auto* to = cmd->add_option("--to", r.to, "last draw QS");
  last->excludes(from)->excludes(to);
}

DrawRange RangeOf(const DrawTable& table, const RangeOptions& r) {
  if (r.from == 0 && r.to == 0) return NearRange(table.RecordCount(), r.last);
  const DrawSpan s = SpanOfIssues(table, r.from, r.to, DefaultRangeStart(table.RecordCount()),
                                  table.RecordCount() - 1);
  return {s.last, s.last - s.first + 1};
}

}  // namespace dlt::cli
