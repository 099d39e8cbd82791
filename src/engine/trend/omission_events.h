#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "chart/chart_panel.h"
#include "chart/page_window.h"
#include "common/draw.h"

namespace dlt {

// The omission events of one number ("主号遗漏走势", "副号遗漏走势"): every draw
// that contains it, with the draws since the previous such draw (since the
// start of the history for the first), and, when the last draw does not
// contain it, a final event at the last draw with the current omission.
struct OmissionEvent {
  int32_t qs = 0;
  int32_t omission = 0;
  bool operator==(const OmissionEvent&) const = default;
};
struct OmissionEvents {
  std::vector<OmissionEvent> events;
  int32_t largest = 0;
};
OmissionEvents NumberOmissionEvents(std::span<const Draw> draws, int number, bool back);

// The page shows 36 events; the first page ends at the last event.
constexpr int kEventsPerPage = kPageSpan;
int FirstEventPage(int eventCount);
// Moves the first shown event by `delta`, kept within the events.
int MoveEventStart(int start, int delta, int eventCount);

// Two panels over the shown events: the omissions titled number + "的遗漏走势",
// and below the change from the previous event's omission titled number +
// "的遗漏振幅走势"; both over [0, 10 s] with s = largest / 10 + 1, a dashed
// purple line at half height, and each event's issue under its point in two
// lines (year, then the serial).
Chart OmissionEventChart(const OmissionEvents& events, int start, int number, int width, int height,
                         const TextMetrics& metrics);

}  // namespace dlt
