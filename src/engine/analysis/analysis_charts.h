#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "analysis/occurrence.h"
#include "analysis/omission_stats.h"
#include "analysis/run_chart.h"
#include "analysis/segments.h"
#include "chart/chart_panel.h"
#include "chart/page_window.h"
#include "common/draw.h"

namespace dlt {

// What the paged charts of the indicator analysis read: the draws, the
// analysed series (`test`, one value per draw), the page (the anchor, the
// shared current draw, and `span` further draws), the value range and the
// picture size.
struct AnalysisView : PageWindow {
  std::span<const Draw> draws;
  std::span<const int32_t> series;
  int32_t from = 0, to = 0;
  int width = 0, height = 0;

  // The indices plotted end here, never past the series.
  int LastShown() const {
    return LastShownOf(static_cast<int>(std::min(draws.size(), series.size())));
  }
};

// The moving mean of the draw and the k - 1 before it, divided by k even
// where fewer draws exist, rounded to two decimals.
double MovingMean(std::span<const int32_t> series, int index, int k);

// "均值走势图": the values and their 2-, 3-, 4-, 5- and 10-draw means. Each
// flag of `lines` turns one on: the normal line, then the five means.
constexpr std::array<int, 5> kMeanSpans = {2, 3, 4, 5, 10};
Chart MeanChart(const AnalysisView& view, const std::array<bool, 6>& lines,
                const TextMetrics& metrics);

// "余数走势图": the entries of the divisor box and their divisors.
const std::vector<std::string>& RemainderStyleTexts();
std::vector<int> RemainderStyleDivisors(int style);
// One strip per divisor, titled "除" N "余数", the value mod N over 0..N-1.
Chart RemainderStripsChart(const AnalysisView& view, const std::vector<int>& divisors,
                           const TextMetrics& metrics);

// "特征图": odd/even, prime/composite and big/small (at least (from + to) / 2)
// strips, each point labelled with its class word.
Chart FeatureChart(const AnalysisView& view, const TextMetrics& metrics);

// "变化量及尾数图": the value, |value - previous| (0 before the first draw)
// and the value mod 10.
Chart ChangeChart(const AnalysisView& view, const TextMetrics& metrics);

// "遗漏值走势": the omission of each draw's value (getylz of the series) and
// |omission - previous omission|, each written above its point.
Chart OmissionValueChart(const AnalysisView& view, std::span<const int32_t> omission,
                         std::span<const int32_t> omissionAmplitude, const TextMetrics& metrics);

// A grid of rows by the page's draws with a ball in the row of each draw
// ("数据分布图", "田野走势图"): row texts, the row of each shown draw (-1 for
// none) and the cumulative sizes of the row groups, separated by lines.
struct BallGridSetup {
  std::vector<std::string> rowTexts;
  std::vector<int> rowOfDraw;  // per shown draw from the anchor
  std::vector<int> groupBounds;
  std::string title;
};
Chart BallGridChart(const AnalysisView& view, const BallGridSetup& setup,
                    const TextMetrics& metrics);

// "数据分布图": style k (0-based, "图一".."图十五") steps the rows by k + 2:
// min, min + s, ... then min + 1, min + 1 + s, ...; groups by (v - min) mod s.
const std::vector<std::string>& DistributionStyleTexts();
constexpr int kDefaultDistributionStyle = 1;  // "图二"
inline constexpr const char* kDistributionTooWide = "数据分布图中，最大值与最小值之差不能大于100。";
struct DistributionRows {
  std::vector<int32_t> values;
  std::vector<int> groupBounds;
};
DistributionRows DistributionRowOrder(int32_t min, int32_t max, int style);
BallGridSetup DistributionGrid(const AnalysisView& view, int32_t min, int32_t max, int style);
BallGridSetup FieldGrid(const AnalysisView& view, const std::vector<std::string>& groups);

// "单个取值遗漏走势": the occurrences of one value, each with the draws since
// the previous one (back to the first draw when none), and a final entry for
// the last draw with the current omission when it is not an occurrence. At
// most the newest 10000 entries.
struct ValueOmissionEntry {
  int index = 0;  // draw index
  int32_t qs = 0;
  int32_t omission = 0;
  bool operator==(const ValueOmissionEntry&) const = default;
};
std::vector<ValueOmissionEntry> SingleValueOmissions(std::span<const Draw> draws,
                                                     std::span<const int32_t> series,
                                                     int32_t value);
// A page of kPageSpan entries from `first`; the top chart the omissions titled
// value + "的遗漏走势", the bottom their amplitudes (the first against 0)
// titled value + "的遗漏振幅走势".
constexpr int kSingleValuePage = kPageSpan;
Chart SingleValueChart(const std::vector<ValueOmissionEntry>& entries, int first, int32_t value,
                       int width, int height, const TextMetrics& metrics);

// "出现次数统计图" and "分项统计": one bar per item with its label below and
// its count (or percentage of the window) above. An item with what chance
// alone gives it also shows the expected count as a dashed mark across its
// bar and its deviation in standard deviations under its label.
struct BarItem {
  std::string label;
  int32_t count = 0;
  std::optional<double> expected;
  std::optional<double> deviation;
};
Chart BarChart(const std::vector<BarItem>& items, int windowSize, bool percent,
               const std::string& title, int width, int height, const TextMetrics& metrics);
constexpr int kOccurrencePage = 35;

// "遗漏次数统计图": the bars of the current omissions of up to 29 values
// coloured by BarColourOf, the current omission or its share of the window
// over each bar, and the statistic rows below. With `odds` (one per value)
// the row "期望遗漏" follows "平均遗漏" and "遗漏概率%" follows "本次遗漏".
constexpr int kOmissionStatsPage = 29;
Chart OmissionStatsChart(const std::vector<ValueOmissionStats>& stats, int windowSize, bool percent,
                         int width, int height, const TextMetrics& metrics,
                         std::span<const OmissionOdds> odds = {});

// "按期数分段走势": the newest 20 segments at most, oldest at the left, the
// statistic as a polyline with its values written, each labelled with its
// newest draw number and "(共" length "期)".
Chart SegmentChart(const std::vector<Segment>& segments, const std::string& title, int width,
                   int height, const TextMetrics& metrics);

// "信号图": the base series of the page over its shown range, titled.
Chart RunSeriesChart(const AnalysisView& view, const RunSeries& run, const std::string& title,
                     const TextMetrics& metrics);

}  // namespace dlt
