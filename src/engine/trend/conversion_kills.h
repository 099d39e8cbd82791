#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "generator/kill_transfer.h"
#include "trend/conversion_table.h"

namespace dlt {

// Kill numbers by the conversion method ("转换法杀号"). After each analysed
// draw every conversion k of the range a..b is read: when it ends in exactly
// three equal values the indicator value that would continue the run (its
// leading value) gets an absolute kill ("绝杀"), in exactly two an ordinary
// kill ("普杀"); 0 takes the kill when no value leads there. The kills after
// a draw are judged on the next draw.
struct ConversionKillPrediction {
  std::string kills;            // "绝杀：3(1),普杀：0(2),5(1),"
  std::string positions;        // "绝杀位置：4,普杀位置：1,7,"
  std::vector<int32_t> killed;  // every value with a kill, ascending
};

inline constexpr const char* kNoDrawJudged = "没有可判断的开奖数据";

struct ConversionKills {
  // predictions[i]: made after analysed draw i, for draw i + 1; the last
  // one is for the draw after the range ("预测期").
  std::vector<ConversionKillPrediction> predictions;
  // verdicts[i] for analysed draw i: nullopt for the first draw (nothing
  // predicted it), else whether its value escaped every kill ("正确").
  std::vector<std::optional<bool>> verdicts;
  int correct = 0;
  int Analysed() const { return static_cast<int>(verdicts.size()); }
  // The draws that got a verdict: all analysed draws but the first.
  int Judged() const;
  // correct · 100 div analysed draws, then "%" ("80%"); kNoDrawJudged when
  // no draw got a verdict (a rate of nothing is no 0%).
  std::string RateText() const;
};

// The kills over a table of the analysed draws with conversions a..b (clamped
// to the table's conversions). `progress` is told each finished draw.
ConversionKills ComputeKills(const ConversionTable& table, int from, int to,
                             const std::function<void(int done)>& progress = {});

// "预测转至过滤" of the kills for the draw after the range: the indicator
// (key) becomes a custom condition of the generator allowing the candidate
// values 0 .. table.LargestCandidate() that nothing kills. Without rows
// every candidate stays allowed.
KillTransfer ConversionKillTransfer(const ConversionTable& table, const ConversionKills& kills,
                                    const std::string& key);

// "正确" or "错误" ("" without a verdict).
std::string VerdictText(const std::optional<bool>& verdict);

}  // namespace dlt
