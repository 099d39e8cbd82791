#include "trend/distribution_chart.h"

#include <algorithm>

#include "chart/chart_builder.h"
#include "common/numbers.h"

namespace dlt {
namespace {

constexpr ChartColour kHeaderFill{234, 202, 149};

}  // namespace

std::vector<std::array<RunMark, 35>> RunMarks(const std::vector<HitRow>& hits) {
  const int rows = static_cast<int>(hits.size());
  std::vector<std::array<RunMark, 35>> marks(rows);
  for (auto& m : marks) m.fill(RunMark::None);
  auto hit = [&](int r, int c) { return r >= 0 && r < rows && c >= 0 && c < 35 && hits[r][c]; };
  const int directions[4][2] = {{0, 1}, {1, 0}, {1, -1}, {1, 1}};
  for (const auto& dir : directions) {
    const int dr = dir[0], dc = dir[1];
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < 35; ++c) {
        // Each run is measured once, from its first hit.
        if (!hit(r, c) || hit(r - dr, c - dc)) continue;
        int length = 0;
        while (hit(r + length * dr, c + length * dc)) ++length;
        if (length < 2) continue;
        const RunMark m = length >= 3 ? RunMark::Long : RunMark::Short;
        for (int k = 0; k < length; ++k) {
          RunMark& cell = marks[r + k * dr][c + k * dc];
          cell = std::max(cell, m);
        }
      }
    }
  }
  return marks;
}

DistributionPage ComputeDistributionPage(std::span<const Draw> draws, int anchor) {
  DistributionPage page;
  const int count = static_cast<int>(draws.size());
  if (count == 0 || anchor < 0 || anchor >= count) return page;
  const int first = std::max(0, anchor - 2);
  const int pageEnd = std::min(count - 1, anchor + kDistributionRows - 1);
  const int last = std::min(count - 1, pageEnd + 2);
  std::vector<HitRow> hits(last - first + 1);
  for (int i = first; i <= last; ++i) {
    hits[i - first].fill(false);
    for (int n : draws[i].front) hits[i - first][n - 1] = true;
  }
  const auto marks = RunMarks(hits);
  for (int i = anchor; i <= pageEnd; ++i) {
    DistributionRow row;
    row.qs = draws[i].qs;
    row.numbers = draws[i].front;
    for (int k = 0; k < 5; ++k) row.marks[k] = marks[i - first][row.numbers[k] - 1];
    page.rows.push_back(row);
  }
  return page;
}

const std::vector<std::string>& DistributionMarkTexts() {
  static const std::vector<std::string> texts = {"显示全部标识", "标识二个以上连号,重号,斜连号",
                                                 "标识三个以上连号,重号,斜连号", "取消标识"};
  return texts;
}

int MarkerColourOf(RunMark mark, int style) {
  switch (style) {
    case 0:
    case 1:
      return mark == RunMark::Long ? 2 : mark == RunMark::Short ? 1 : 0;
    case 2:
      return mark == RunMark::Long ? 2 : 0;
    default:
      return 0;
  }
}

const std::vector<std::string>& DisplayModeTexts() {
  static const std::vector<std::string> texts = {"球+数字", "球", "方块+数字", "方块"};
  return texts;
}

Chart DistributionChart(const DistributionPage& page, int width, int height, int displayMode,
                        int markStyle) {
  Chart chart;
  chart.width = width;
  chart.height = height;
  ChartPanel panel;
  int c = width / 38;
  if (height < 20 * c) c = height / 20;
  if (c <= 0) {
    chart.panels.push_back(std::move(panel));
    return chart;
  }
  const double w = 38.0 * c, h = 20.0 * c;
  panel.items.push_back(ChartBox{0, 0, 3.0 * c, h, kHeaderFill, std::nullopt});
  panel.items.push_back(ChartBox{0, 0, w, static_cast<double>(c), kHeaderFill, std::nullopt});
  for (int r = 1; r < 20; ++r) panel.items.push_back(ChartLine{{0, 1.0 * r * c}, {w, 1.0 * r * c}});
  for (int col = 3; col < 38; ++col)
    panel.items.push_back(ChartLine{{1.0 * col * c, 0}, {1.0 * col * c, h}});
  panel.items.push_back(ChartBox{0, 0, w, h, std::nullopt, colours::kBlack});

  AddText(panel, {5, 5}, "期数", colours::kBlack);
  for (int n = 1; n <= 35; ++n)
    AddText(panel, {(n + 2.0) * c + 5, 5}, std::to_string(n), colours::kBlack);

  const int kind = ShowsBall(displayMode) ? 2 : 1;
  for (size_t r = 0; r < page.rows.size(); ++r) {
    const DistributionRow& row = page.rows[r];
    const double y = (r + 1.0) * c;
    AddText(panel, {5, y + 5}, IssueText(row.qs), colours::kBlack);
    for (int k = 0; k < 5; ++k) {
      const double x = (row.numbers[k] + 2.0) * c;
      const int colour = MarkerColourOf(row.marks[k], markStyle);
      panel.items.push_back(ChartSprite{x + 1, y + 1, c - 1.0, c - 1.0, kind, colour});
      if (ShowsNumber(displayMode))
        AddText(panel, {x + c / 2.0, y + c / 2.0}, TwoDigit(row.numbers[k]),
                colour == 2 ? colours::kBlack : colours::kWhite, HAlign::Centre, VAlign::Centre);
    }
  }
  chart.panels.push_back(std::move(panel));
  return chart;
}

}  // namespace dlt
