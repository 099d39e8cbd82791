#include "trend/omission_events.h"

#include <algorithm>
#include <string>

#include "chart/chart_builder.h"
#include "chart/chart_readout.h"
#include "indicators/statistics.h"

namespace dlt {

OmissionEvents NumberOmissionEvents(std::span<const Draw> draws, int number, bool back) {
  OmissionEvents e;
  int lastHit = -1;
  const int count = static_cast<int>(draws.size());
  for (int i = 0; i < count; ++i) {
    const Draw& d = draws[i];
    const bool hit = back ? std::find(d.back.begin(), d.back.end(), number) != d.back.end()
                          : std::find(d.front.begin(), d.front.end(), number) != d.front.end();
    if (!hit) continue;
    e.events.push_back({d.qs, i - lastHit - 1});
    lastHit = i;
  }
  if (count > 0 && lastHit != count - 1)
    e.events.push_back({draws[count - 1].qs, count - 1 - lastHit});
  for (const OmissionEvent& ev : e.events) e.largest = std::max(e.largest, ev.omission);
  return e;
}

int FirstEventPage(int eventCount) {
  return std::max(0, eventCount - kEventsPerPage);
}

int MoveEventStart(int start, int delta, int eventCount) {
  return std::clamp(start + delta, 0, std::max(0, eventCount - 1));
}

Chart OmissionEventChart(const OmissionEvents& events, int start, int number, int width, int height,
                         const TextMetrics& metrics) {
  Chart chart;
  chart.width = width;
  chart.height = height;
  const int32_t step = events.largest / 10 + 1;
  const int count = static_cast<int>(events.events.size());
  start = std::clamp(start, 0, std::max(0, count - 1));
  const int end = std::min(count, start + kEventsPerPage);

  for (int panelNo = 0; panelNo < 2; ++panelNo) {
    ChartPanel panel;
    panel.title = std::to_string(number) + (panelNo == 0 ? "的遗漏走势" : "的遗漏振幅走势");
    tcoordinate& c = panel.coord;
    c.originX = 30;
    c.originY = panelNo == 0 ? height / 2.0 - 35 : height - 35.0;
    c.plotWidth = width - 60;
    c.plotHeight = height / 2.0 - 60;
    c.xFirst = 0;
    c.xLast = kEventsPerPage;
    c.yMin = 0;
    c.yMax = 10 * step;
    c.yMinorUnits = c.yMajorUnits = step;
    for (int k = 1; k <= 10; ++k) c.yLabels.push_back(std::to_string(k * step));
    AddAxes(panel, metrics);
    AddReferenceLine(panel, 5.0 * step, colours::kPurple);

    std::vector<std::optional<int32_t>> values;
    std::vector<std::string> labels;
    for (int i = start; i < end; ++i) {
      const int32_t om = events.events[i].omission;
      const int32_t v =
          panelNo == 0 ? om : AbsDifference(om, i > 0 ? events.events[i - 1].omission : 0);
      values.push_back(v);
      labels.push_back(std::to_string(v));
    }
    SeriesStyle style;
    style.readoutName = panelNo == 0 ? "遗漏" : "遗漏振幅";
    const auto points = AddSeries(panel, 0, values, labels, style, metrics);
    for (int i = start; i < end; ++i)
      ReadoutColumnOf(panel, i - start).name = IssueText(events.events[i].qs);
    const int shown = end - start;
    double widest = 0;
    for (int i = start; i < end; ++i)
      widest = std::max(widest, metrics.Width(SplitIssueText(events.events[i].qs).first));
    const int stride = LabelStride(shown > 1 ? points[1].x - points[0].x : 0, widest);
    for (int i = start; i < end; ++i) {
      if (!WritesLabel(i - start, shown, stride)) continue;
      const double x = points[i - start].x;
      const auto [year, serial] = SplitIssueText(events.events[i].qs);
      AddText(panel, {x, c.originY + 5}, year, colours::kBlack, HAlign::Centre);
      if (!serial.empty())
        AddText(panel, {x, c.originY + 20}, serial, colours::kBlack, HAlign::Centre);
    }
    chart.panels.push_back(std::move(panel));
  }
  return chart;
}

}  // namespace dlt
