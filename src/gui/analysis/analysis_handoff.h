#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/draw.h"

class QWidget;

namespace dlt::gui {

struct AppContext;

// A series handed to the indicator analysis window Tf_zbpxz: one value per
// draw of the history (oldest first), its caption and value range, and the
// catalogue key or formula it came from (both empty for a series of its own,
// such as omission events), which the analysis remembers for its transfer.
// A series over draws of its own (the rows of a grid column) brings them:
// the analysis labels and counts those draws alone and leaves the history
// as it is.
struct AnalysisSeries {
  std::vector<int32_t> values;
  std::vector<Draw> draws;  // empty: one value per draw of the history
  QString caption;
  int32_t from = 0, to = 0;
  std::string key;
  std::string formula;
  // "过滤助手": modal for this one showing; when it closes, the shared
  // current draw goes back to where it was, so the calling pages page on
  // from there.
  bool modal = false;
};

// A series of its own (omission events, the rows of a grid column) laid
// onto the history: the last value on the last draw, the one before on the
// draw before, and 0 on the older draws.
std::vector<int32_t> SeriesAtHistoryEnd(const std::vector<int32_t>& values, int drawCount);

// The series' range from its values: the smallest to the largest met, four
// wider when they are equal, 0..4 without values.
void TakeRangeOfValues(AnalysisSeries& series);

// Shows the series in Tf_zbpxz (Tf_zbpxz::Analyse): over the history its
// values go into the scratch field `test` and the history moves 36 draws
// back from its end. An empty history (or an empty series of its own) is
// refused with a message. False when nothing was shown.
bool OpenIndicatorAnalysis(AppContext& app, QWidget* parent, const AnalysisSeries& series);

// "指标剖析" of a catalogue indicator or a formula: the launcher Tf_zbpx
// takes the key, label and range and starts the analysis (Tf_zbpx::Start).
struct IndicatorRequest {
  std::string key;
  QString label;
  int32_t min = 0, max = 0;
  // The range edits left empty: the analysis takes the range of the values.
  bool rangeFromData = false;
};
bool AnalyseIndicator(AppContext& app, const IndicatorRequest& request);
// The request of a catalogue key: its label and range (empty and 0..0 when
// the key is not in the catalogue).
IndicatorRequest RequestForKey(const std::string& key);

}  // namespace dlt::gui
