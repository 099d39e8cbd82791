#include "trend/number_tally.h"

#include <algorithm>
#include <cmath>

#include "chart/chart_builder.h"
#include "chart/chart_readout.h"
#include "common/chance_figures.h"
#include "common/numbers.h"
#include "indicators/eval_context.h"
#include "indicators/statistics.h"
#include "trend/tally_chances.h"

namespace dlt {
namespace {

ZoneTally Sorted(std::vector<NumberCount> records) {
  ZoneTally z;
  z.byNumber = records;
  z.byCount = records;
  z.byOmission = std::move(records);
  // Stable: equal values keep ascending number order.
  std::stable_sort(z.byCount.begin(), z.byCount.end(),
                   [](const NumberCount& a, const NumberCount& b) { return a.count < b.count; });
  std::stable_sort(
      z.byOmission.begin(), z.byOmission.end(),
      [](const NumberCount& a, const NumberCount& b) { return a.omission < b.omission; });
  return z;
}

// The room a number printed over a bar takes.
struct LabelBox {
  double left, right, top, bottom;
};

// Raises a number above every number already printed that it would touch
// (closer than `gap` sideways at the same height), so that neighbouring
// numbers never read as one ("11" "11", not "1111"). Its new bottom.
double RaiseClearOf(std::vector<LabelBox>& placed, LabelBox box, double gap) {
  for (bool moved = true; moved;) {
    moved = false;
    for (const LabelBox& p : placed) {
      const bool beside = box.left < p.right + gap && p.left < box.right + gap;
      const bool level = box.top < p.bottom && p.top < box.bottom;
      if (!beside || !level) continue;
      const double height = box.bottom - box.top;
      box.bottom = p.top - 1;
      box.top = box.bottom - height;
      moved = true;
    }
  }
  placed.push_back(box);
  return box.bottom;
}

}  // namespace

NumberTally TallyNumbers(std::span<const Draw> draws, const DrawRange& range) {
  std::vector<NumberCount> front(kFrontMax), back(kBackMax);
  for (int n = 1; n <= kFrontMax; ++n) front[n - 1].number = n;
  for (int n = 1; n <= kBackMax; ++n) back[n - 1].number = n;
  const int last = std::min(range.last, static_cast<int>(draws.size()) - 1);
  if (last >= 0) {
    for (int i = last; i > last - range.count && i >= 0; --i) {
      for (int n : draws[i].front) ++front[n - 1].count;
      for (int n : draws[i].back) ++back[n - 1].count;
    }
    EvalContext ctx;
    ctx.draws = draws.data();
    ctx.count = static_cast<int>(draws.size());
    ctx.pos = last;
    const auto frontOmissions = CurrentNumberOmissions(ctx);
    const auto backOmissions = CurrentBackNumberOmissions(ctx);
    for (int n = 1; n <= kFrontMax; ++n) front[n - 1].omission = frontOmissions[n];
    for (int n = 1; n <= kBackMax; ++n) back[n - 1].omission = backOmissions[n];
  }
  return {Sorted(std::move(front)), Sorted(std::move(back))};
}

Chart NumberBarChart(const NumberBarSetup& setup, const TextMetrics& metrics) {
  Chart chart;
  chart.width = setup.width;
  chart.height = setup.height;
  ChartPanel panel;
  const double h = setup.height;

  // The legend at the bottom left; the second swatch keeps clear of the first text.
  panel.items.push_back(ChartBox{10, h - 20, 10, 10, colours::kRed, colours::kBlack});
  AddText(panel, {22, h - 20}, "出现次数", colours::kBlack);
  const double second = std::max(60.0, 22 + metrics.Width("出现次数") + 10);
  panel.items.push_back(ChartBox{second, h - 20, 20, 10, colours::kBlue, colours::kBlack});
  AddText(panel, {second + 22, h - 20}, "遗漏次数", colours::kBlack);

  const std::vector<NumberCount> none;
  const std::vector<NumberCount>& shown = !setup.zone                        ? none
                                          : setup.order == BarOrder::ByCount ? setup.zone->byCount
                                          : setup.order == BarOrder::ByOmission
                                              ? setup.zone->byOmission
                                              : setup.zone->byNumber;
  const TallyChance* chance =
      setup.chance && setup.zone && setup.chance->columns.size() >= setup.zone->byNumber.size()
          ? setup.chance
          : nullptr;
  int32_t largest = 0;
  for (const NumberCount& n : shown) largest = std::max({largest, n.count, n.omission});
  const double expected = chance && !chance->columns.empty() ? chance->columns[0].expected : 0;
  largest = std::max(largest, static_cast<int32_t>(std::ceil(expected)));
  const int step = largest / 10 + 1;
  // A row of deviations under the number labels.
  const double below = chance ? metrics.Height("0") + 2 : 0;

  tcoordinate& c = panel.coord;
  c.originX = 30;
  c.originY = h - 40 - below;
  // The blue bar right of the last tick is a third of a slot wide: the plot
  // leaves room for it inside the picture's margin.
  const double slot = (setup.width - 60) / (std::max(setup.slotCount, 1) + 1.0 / 3);
  c.plotWidth = slot * setup.slotCount;
  c.plotHeight = h - 60 - below;
  c.xFirst = 0;
  c.xLast = setup.slotCount;
  c.xMinorUnits = c.xMajorUnits = 1;
  c.yMin = 0;
  c.yMax = 10 * step;
  c.yMinorUnits = c.yMajorUnits = step;
  for (int k = 1; k <= 10; ++k) c.yLabels.push_back(std::to_string(k * step));
  for (int i = 0; i < setup.slotCount && i < static_cast<int>(shown.size()); ++i)
    c.xLabels.push_back(std::to_string(shown[i].number));
  c = DeriveScales(c);

  const double third = c.xScale / 3;
  // Numbers stay a digit's width apart, the two of a slot (ending and
  // starting half of it from the tick) and those of neighbouring slots;
  // where they would come closer, the later one is printed higher.
  const double gap = metrics.Width("0");
  std::vector<LabelBox> placed;
  const auto number = [&](double x, double top, int32_t value, HAlign h) {
    const std::string text = std::to_string(value);
    const double width = metrics.Width(text), height = metrics.Height(text);
    const double left = h == HAlign::Right ? x - gap / 2 - width : x + gap / 2;
    const double bottom =
        RaiseClearOf(placed, {left, left + width, top - 1 - height, top - 1}, gap);
    AddText(panel, {h == HAlign::Right ? left + width : left, bottom}, text, colours::kBlack, h,
            VAlign::Bottom);
  };
  for (int i = 0; i < setup.slotCount && i < static_cast<int>(shown.size()); ++i) {
    ReadoutColumn& read = ReadoutColumnOf(panel, i + 1);
    read.name = "号码" + TwoDigit(shown[i].number);
    if (setup.counts) read.values.push_back("出现次数：" + std::to_string(shown[i].count));
    if (setup.omissions) read.values.push_back("遗漏次数：" + std::to_string(shown[i].omission));
  }
  for (int i = 0; i < setup.slotCount && i < static_cast<int>(shown.size()); ++i) {
    const double x = PlotX(c, i + 1);
    if (setup.counts) {
      const double top = PlotY(c, shown[i].count);
      panel.items.push_back(
          ChartBox{x - third, top, third, c.originY - top, colours::kRed, colours::kBlack});
      number(x, top, shown[i].count, HAlign::Right);
    }
    if (setup.omissions) {
      const double top = PlotY(c, shown[i].omission);
      panel.items.push_back(
          ChartBox{x, top, third, c.originY - top, colours::kBlue, colours::kBlack});
      number(x, top, shown[i].omission, HAlign::Left);
    }
  }
  if (chance) {
    // Every number of a zone has the same chance: one line for all.
    const double y = PlotY(c, expected);
    panel.items.push_back(ChartLine{
        {c.originX, y}, {c.originX + c.plotWidth, y}, colours::kGreen, 2, LineStyle::Dash});
    for (int i = 0; i < setup.slotCount && i < static_cast<int>(shown.size()); ++i) {
      const double d = chance->columns[static_cast<size_t>(shown[i].number - 1)].deviation;
      AddText(panel, {PlotX(c, i + 1), c.originY + below + 2}, ShortDeviationText(d),
              std::fabs(d) >= 2 ? colours::kRed : colours::kBlack, HAlign::Centre, VAlign::Top);
    }
    const double x = second + 22 + metrics.Width("遗漏次数") + 20;
    AddText(
        panel, {x, h - 20},
        "绿色虚线：期望次数" + ExpectedText(expected) + "；下排：偏差σ；" + FitText(chance->fit),
        colours::kBlack);
  }
  // Axes and labels last, over the bars.
  AddAxes(panel, metrics);
  chart.panels.push_back(std::move(panel));
  return chart;
}

std::string ColdHotLine(const std::vector<int>& cold, const std::vector<int>& warm,
                        const std::vector<int>& hot, bool back) {
  const std::string zone = back ? "副区" : "主区";
  std::string line;
  const std::pair<const char*, const std::vector<int>*> parts[] = {
      {"冷号:", &cold}, {"温号:", &warm}, {"热号:", &hot}};
  for (const auto& [name, numbers] : parts) {
    if (!line.empty()) line += ";  ";
    line += zone + name;
    for (int n : *numbers) line += TwoDigit(n) + "  ";
  }
  return line;
}

}  // namespace dlt
