#include "trend/blue_charts.h"

#include <cmath>
#include <cstdio>

#include "chart/chart_builder.h"
#include "chart/chart_readout.h"
#include "chart/indicator_panel.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "trend/framed_charts.h"

namespace dlt {

const char* const kBlueMeanLegend =
    "黑色:常规线    绿色：二期均值    紫色：三期均值    橙色：四期均值    红色:五期均期    "
    "蓝色:十期均期   ";
const char* const kBlueRemainderLegend = "上:除三余数图;中:除四余数图;下:除五余数图";
const char* const kBlueBarLegend =
    "蓝色柱形为奇数,绿色柱形为偶数,红色线以下为小数,红色线以上为大数";
const char* const kBlueChangeLegend = "上:常规图;中:绝对振幅图;下:尾数图";

namespace {

int32_t Blue(std::span<const Draw> draws, int index) {
  return draws[index].back[1];
}

Chart EmptyChart(const TrendPage& page) {
  Chart chart;
  chart.width = page.width;
  chart.height = page.height;
  return chart;
}

// A panel of this window: the frame with the issue labels under the x axis.
ChartPanel BluePanel(const TrendPage& page, double originY, double plotHeight) {
  ChartPanel panel = FramedPanel(page, originY, plotHeight);
  panel.coord.xLabels = IssueLabels(page.draws, page.anchor, page.span);
  return panel;
}

std::vector<std::string> Numbers(int from, int to, int step) {
  std::vector<std::string> labels;
  for (int v = from; v <= to; v += step) labels.push_back(std::to_string(v));
  return labels;
}

// One value per shown draw, joined by lines of `colour`, discs of `radius`
// filled with it, each point after the first labelled in `labelColour`; the
// hover readout names it `name`.
void AddShownSeries(ChartPanel& panel, const TrendPage& page,
                    const std::function<int32_t(int)>& value,
                    const std::function<std::string(int)>& label, ChartColour colour, double radius,
                    const TextMetrics& metrics, const std::string& name,
                    ChartColour labelColour = colours::kBlack) {
  std::vector<std::optional<int32_t>> values;
  std::vector<std::string> labels;
  for (int i = page.anchor; !page.draws.empty() && i <= page.LastShown(); ++i) {
    values.push_back(value(i));
    labels.push_back(label(i));
  }
  SeriesStyle style;
  style.radius = radius;
  style.fill = colour;
  style.line = colour;
  style.label = labelColour;
  style.labelFirst = false;
  style.readoutName = name;
  AddSeries(panel, page.anchor, values, labels, style, metrics);
}

std::string TwoDecimals(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", RoundToDecimals(v, 2));
  return buf;
}

// The disc trail of the slot charts: the anchor as a small point, then per
// draw a line from 10 pixels past the previous point to the new one and a
// blue disc with the two-digit value.
void AddDiscTrail(ChartPanel& panel, const TrendPage& page,
                  const std::function<int(int32_t)>& row) {
  if (page.draws.empty()) return;
  const tcoordinate& c = panel.coord;
  ChartPoint previous = PlotPosition(c, page.anchor, row(Blue(page.draws, page.anchor)));
  panel.items.push_back(ChartDisc{previous, 1, colours::kBlack, colours::kBlack});
  for (int i = page.anchor + 1; i <= page.LastShown(); ++i) {
    const int32_t v = Blue(page.draws, i);
    const ChartPoint at = PlotPosition(c, i, row(v));
    const double dx = at.x - previous.x, dy = at.y - previous.y;
    const double length = std::hypot(dx, dy);
    if (length > 10) {
      const ChartPoint from{previous.x + dx * 10 / length, previous.y + dy * 10 / length};
      panel.items.push_back(ChartLine{from, at, colours::kBlack});
    }
    panel.items.push_back(ChartDisc{at, 10, colours::kBlue, colours::kBlue});
    AddText(panel, at, TwoDigit(v), colours::kWhite, HAlign::Centre, VAlign::Centre, true);
    previous = at;
  }
}

const std::array<std::array<std::string, 4>, 5> kFieldRows = {{
    {"01,05,09,13", "02,06,10,14", "03,07,11,15", "04,08,12,16"},
    {"01,08,09,16", "02,07,10,15", "03,06,11,14", "04,05,12,13"},
    {"01,02,03,04", "05,06,07,08", "09,10,11,12", "13,14,15,16"},
    {"01,12,11,10", "02,13,16,09", "03,14,15,08", "04,05,06,07"},
    {"01,02,03,04", "12,13,14,05", "11,16,15,06", "10,09,08,07"},
}};

}  // namespace

Chart BlueMeanChart(const TrendPage& page, const BlueMeans& means, const BlueSeriesShown& shown,
                    const TextMetrics& metrics) {
  Chart chart = EmptyChart(page);
  ChartPanel panel = BluePanel(page, page.height - 40.0, page.height - 60.0);
  SetValueAxis(panel.coord, 10, 160, 10, 30, Numbers(4, 16, 3));
  AddAxes(panel, metrics);
  AddReferenceLine(panel, 80, colours::kPurple);

  static const ChartColour kColours[6] = {colours::kBlack, colours::kGreen, {163, 64, 191},
                                          {248, 134, 7},   colours::kRed,   colours::kBlue};
  static const char* const kNames[6] = {"副号二",   "二期均值", "三期均值",
                                        "四期均值", "五期均值", "十期均值"};
  for (int s = 0; s < 6; ++s) {
    auto value = [&](int i) {
      return s == 0 ? Blue(page.draws, i) * 10 : (means ? means(i)[s - 1] : 0);
    };
    auto label = [&](int i) {
      if (s == 0) return std::to_string(Blue(page.draws, i));
      const int32_t tenths = value(i);
      return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    };
    if (shown[s]) {
      AddShownSeries(panel, page, value, label, kColours[s], 0, metrics, kNames[s], kColours[s]);
    } else {
      for (int i = page.anchor; !page.draws.empty() && i <= page.LastShown(); ++i)
        panel.items.push_back(
            ChartDisc{PlotPosition(panel.coord, i, value(i)), 0, kColours[s], kColours[s]});
    }
  }
  chart.panels.push_back(std::move(panel));
  return chart;
}

Chart BlueRemainderChart(const TrendPage& page, const TextMetrics& metrics) {
  Chart chart = EmptyChart(page);
  const PanelLayout layouts[3] = {PanelLayout::UpperThird, PanelLayout::MiddleThird,
                                  PanelLayout::LowerThird};
  const ChartColour colours[3] = {colours::kRed, colours::kBlue, colours::kGreen};
  const char* const names[3] = {"除三余数", "除四余数", "除五余数"};
  for (int k = 0; k < 3; ++k) {
    const int divisor = 3 + k;
    const PanelGeometry g = GeometryOf(layouts[k], page.height);
    ChartPanel panel = BluePanel(page, g.originY, g.plotHeight);
    SetValueAxis(panel.coord, 0, divisor - 1, 1, 1, Numbers(1, divisor - 1, 1));
    AddAxes(panel, metrics);
    auto value = [&](int i) { return Blue(page.draws, i) % divisor; };
    AddShownSeries(
        panel, page, value, [&](int i) { return std::to_string(value(i)); }, colours[k], 4, metrics,
        names[k]);
    chart.panels.push_back(std::move(panel));
  }
  return chart;
}

Chart BlueBarChart(const TrendPage& page, const TextMetrics& metrics) {
  Chart chart = EmptyChart(page);
  ChartPanel panel = BluePanel(page, page.height - 40.0, page.height - 60.0);
  SetValueAxis(panel.coord, 0, 16, 1, 4, Numbers(4, 16, 4));
  AddAxes(panel, metrics);
  const tcoordinate& c = panel.coord;
  const double step = c.xMinorSpacing;
  const double half = metrics.Width("16") / 2;
  for (int i = page.anchor; !page.draws.empty() && i <= page.LastShown(); ++i) {
    const int32_t v = Blue(page.draws, i);
    const ChartColour fill = v % 2 ? colours::kBlue : colours::kGreen;
    const double x = PlotX(c, i), top = PlotY(c, v);
    if (i == page.anchor) {
      // The anchor sits on the y axis: only its right half shows.
      panel.items.push_back(ChartBox{x, top, step / 2, c.originY - top, fill, colours::kBlack});
      continue;
    }
    AddBar(panel, i, 0, v, step, fill, colours::kBlack);
    AddText(panel, {x - half, top - 5}, std::to_string(v), colours::kBlack, HAlign::Left,
            VAlign::Bottom);
  }
  for (int i = page.anchor; !page.draws.empty() && i <= page.LastShown(); ++i)
    ReadoutColumnOf(panel, i).values.push_back("副号二：" + std::to_string(Blue(page.draws, i)));
  AddReferenceLine(panel, 8, colours::kRed);
  chart.panels.push_back(std::move(panel));
  return chart;
}

int32_t BlueChange(std::span<const Draw> draws, int index) {
  if (index <= 0) return 0;
  return std::abs(Blue(draws, index) - Blue(draws, index - 1));
}

Chart BlueChangeChart(const TrendPage& page, const TextMetrics& metrics) {
  Chart chart = EmptyChart(page);
  const double h = page.height;
  struct Part {
    double originY;
    int32_t lo, hi;
    int major;
    ChartColour colour;
    const char* name;
    std::function<int32_t(int)> value;
  };
  const Part parts[3] = {
      {h / 3 - 30, 1, 16, 3, colours::kRed, "副号二", [&](int i) { return Blue(page.draws, i); }},
      {2 * h / 3 - 30, 0, 15, 5, colours::kRed, "绝对振幅",
       [&](int i) { return BlueChange(page.draws, i); }},
      {h - 30, 0, 9, 3, colours::kGreen, "尾数", [&](int i) { return Blue(page.draws, i) % 10; }},
  };
  for (const Part& p : parts) {
    ChartPanel panel = BluePanel(page, p.originY, h / 3 - 50);
    SetValueAxis(panel.coord, p.lo, p.hi, 1, p.major, Numbers(p.lo + p.major, p.hi, p.major));
    AddAxes(panel, metrics);
    AddShownSeries(
        panel, page, p.value, [&](int i) { return std::to_string(p.value(i)); }, p.colour, 4,
        metrics, p.name);
    chart.panels.push_back(std::move(panel));
  }
  return chart;
}

BlueRatio BlueRatioAt(std::span<const Draw> draws, int index) {
  double r = 1;
  if (index > 0) {
    const int32_t previous = Blue(draws, index - 1);
    // Incomplete data can hold a 0: the ratio shows 0 instead of failing.
    r = previous == 0 ? 0.0 : static_cast<double>(Blue(draws, index)) / previous;
  }
  return {static_cast<int32_t>(RoundHalfEven(r * 10)), TwoDecimals(r)};
}

Chart BlueRatioChart(const TrendPage& page, const TextMetrics& metrics) {
  Chart chart = EmptyChart(page);
  ChartPanel panel = BluePanel(page, page.height - 40.0, page.height - 60.0);
  SetValueAxis(panel.coord, 0, 160, 10, 40, Numbers(4, 16, 4));
  AddAxes(panel, metrics);
  AddShownSeries(
      panel, page, [&](int i) { return BlueRatioAt(page.draws, i).plotted; },
      [&](int i) { return BlueRatioAt(page.draws, i).label; }, colours::kBlue, 4, metrics, "比值");
  chart.panels.push_back(std::move(panel));
  return chart;
}

int BlueSlot(int value, int interval) {
  if (value < 1 || value > 16 || interval < 1) return 0;
  const int groups = interval + 1;
  int slot = 0;
  for (int g = 0; g < groups; ++g)
    for (int v = g + 1; v <= 16; v += groups) {
      ++slot;
      if (v == value) return slot;
    }
  return 0;
}

Chart BlueSlotChart(const TrendPage& page, int interval, const TextMetrics& metrics) {
  Chart chart = EmptyChart(page);
  interval = std::clamp(interval, 1, 3);
  ChartPanel panel = BluePanel(page, page.height - 40.0, page.height - 60.0);
  std::vector<std::string> labels(16);
  for (int v = 1; v <= 16; ++v) labels[BlueSlot(v, interval) - 1] = std::to_string(v);
  SetValueAxis(panel.coord, 0, 17, 1, 1, labels);
  AddAxes(panel, metrics);
  // Dashed lines between the groups.
  const int groups = interval + 1;
  int bound = 0;
  for (int g = 0; g + 1 < groups; ++g) {
    bound += (16 - g + groups - 1) / groups;  // the size of group g: values g+1, g+1+groups, ...
    AddReferenceLine(panel, bound + 0.5, colours::kPurple);
  }
  AddDiscTrail(panel, page, [interval](int32_t v) { return BlueSlot(v, interval); });
  chart.panels.push_back(std::move(panel));
  return chart;
}

const std::array<std::string, 4>& FieldRowTexts(int variant) {
  return kFieldRows[std::clamp(variant, 0, 4)];
}

int FieldRow(int variant, int value) {
  const std::string two = TwoDigit(value);
  const auto& rows = FieldRowTexts(variant);
  for (int r = 0; r < 4; ++r)
    for (size_t at = 0; at + 2 <= rows[r].size(); at += 3)
      if (rows[r].compare(at, 2, two) == 0) return r + 1;
  return 0;
}

const std::vector<std::string>& FieldVariantTexts() {
  static const std::vector<std::string> texts = {"田野走势图一", "田野走势图二", "田野走势图三",
                                                 "田野走势图四", "田野走势图五"};
  return texts;
}

Chart BlueFieldChart(const TrendPage& page, int variant, const TextMetrics& metrics) {
  Chart chart = EmptyChart(page);
  ChartPanel panel = BluePanel(page, page.height - 40.0, page.height - 60.0);
  panel.coord.originX = 90;
  panel.coord.plotWidth = page.width - 120;
  const auto& rows = FieldRowTexts(variant);
  SetValueAxis(panel.coord, 0, 5, 1, 1, {rows.begin(), rows.end()});
  AddAxes(panel, metrics);
  for (double y : {1.5, 2.5, 3.5}) AddReferenceLine(panel, y, colours::kPurple);
  AddDiscTrail(panel, page, [variant](int32_t v) { return FieldRow(variant, v); });
  chart.panels.push_back(std::move(panel));
  return chart;
}

}  // namespace dlt
