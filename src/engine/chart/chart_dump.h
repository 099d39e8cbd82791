#pragma once

#include <string>

#include "chart/chart_panel.h"

namespace dlt {

// A chart as text, one line per axis record and per item in painting order:
// the size, each panel's title, ranges, tick steps and counts, its x and y
// labels, then its lines, discs, boxes, texts and sprites with their pixel
// positions (two decimals) and colours. Two charts draw the same picture when
// their dumps are equal, so a page compared with a golden file shows every
// change of layout or content in a readable diff.
std::string ChartDump(const Chart& chart);

}  // namespace dlt
