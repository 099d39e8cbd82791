#include "trend/conversion_kills.h"

#include <algorithm>

namespace dlt {
namespace {

std::string KillList(const std::vector<int>& counts) {
  std::string s;
  for (size_t x = 0; x < counts.size(); ++x)
    if (counts[x] > 0) s += std::to_string(x) + "(" + std::to_string(counts[x]) + "),";
  return s;
}

std::string PositionList(const std::vector<int>& positions) {
  std::string s;
  for (int k : positions) s += std::to_string(k) + ",";
  return s;
}

}  // namespace

int ConversionKills::Judged() const {
  return static_cast<int>(
      std::count_if(verdicts.begin(), verdicts.end(),
                    [](const std::optional<bool>& v) { return v.has_value(); }));
}

std::string ConversionKills::RateText() const {
  if (Judged() == 0) return kNoDrawJudged;
  return std::to_string(correct * 100 / Analysed()) + "%";
}

KillTransfer ConversionKillTransfer(const ConversionTable& table, const ConversionKills& kills,
                                    const std::string& key) {
  KillTransfer t;
  t.kind = KillKind::Custom;
  t.indicator = key;
  t.from = 0;
  t.to = table.LargestCandidate();
  if (!kills.predictions.empty()) t.list = kills.predictions.back().killed;
  return t;
}

std::string VerdictText(const std::optional<bool>& verdict) {
  if (!verdict) return "";
  return *verdict ? "正确" : "错误";
}

ConversionKills ComputeKills(const ConversionTable& table, int from, int to,
                             const std::function<void(int done)>& progress) {
  ConversionKills result;
  const int rows = table.Rows();
  const int a = std::max(from, 1);
  const int b = std::min(to, table.Conversions());
  const int32_t largest = table.LargestCandidate();
  const size_t candidates = static_cast<size_t>(largest) + 1;

  // The recency of the columns a next draw's conversions 1..b go through.
  std::vector<ValueRecency> recency;
  for (int k = 0; k < std::max(b, 0); ++k) {
    const auto [lo, hi] = table.Bounds(k);
    recency.emplace_back(lo, hi);
  }
  std::vector<int> run(static_cast<size_t>(table.Conversions()) + 1, 0);
  std::vector<int32_t> lead(candidates);
  std::vector<int> absolute(candidates), ordinary(candidates);
  std::vector<int> absolutePositions, ordinaryPositions;

  for (int i = 0; i < rows; ++i) {
    for (size_t k = 0; k < recency.size(); ++k) recency[k].Add(table.At(static_cast<int>(k), i));
    for (int k = a; k <= b; ++k)
      run[static_cast<size_t>(k)] =
          i > 0 && table.At(k, i) == table.At(k, i - 1) ? run[static_cast<size_t>(k)] + 1 : 1;

    std::fill(absolute.begin(), absolute.end(), 0);
    std::fill(ordinary.begin(), ordinary.end(), 0);
    absolutePositions.clear();
    ordinaryPositions.clear();
    // lead[x]: conversion k of a next draw with value x, for k = 1, 2, ...
    for (size_t x = 0; x < candidates; ++x) lead[x] = static_cast<int32_t>(x);
    for (int k = 1; k <= b; ++k) {
      const ValueRecency& parent = recency[static_cast<size_t>(k - 1)];
      for (int32_t& c : lead) c = parent.Rank(c);
      if (k < a) continue;
      const int length = run[static_cast<size_t>(k)];
      if (length != 2 && length != 3) continue;
      const int32_t v = table.At(k, i);
      const auto found = std::find(lead.begin(), lead.end(), v);
      const size_t killed = found == lead.end() ? 0 : static_cast<size_t>(found - lead.begin());
      if (length == 3) {
        ++absolute[killed];
        absolutePositions.push_back(k);
      } else {
        ++ordinary[killed];
        ordinaryPositions.push_back(k);
      }
    }

    ConversionKillPrediction p;
    p.kills = "绝杀：" + KillList(absolute) + "普杀：" + KillList(ordinary);
    p.positions = "绝杀位置：" + PositionList(absolutePositions) + "普杀位置：" +
                  PositionList(ordinaryPositions);
    for (size_t x = 0; x < candidates; ++x)
      if (absolute[x] > 0 || ordinary[x] > 0) p.killed.push_back(static_cast<int32_t>(x));
    result.predictions.push_back(std::move(p));

    if (i == 0) {
      result.verdicts.emplace_back();
    } else {
      const auto& killed = result.predictions[static_cast<size_t>(i) - 1].killed;
      const bool escaped = !std::binary_search(killed.begin(), killed.end(), table.At(0, i));
      result.verdicts.emplace_back(escaped);
      result.correct += escaped ? 1 : 0;
    }
    if (progress) progress(i + 1);
  }
  return result;
}

}  // namespace dlt
