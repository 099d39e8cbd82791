#include "trend/legends.h"

#include <map>

#include "trend/distribution_chart.h"
#include "trend/number_matrix.h"

namespace dlt {
namespace {

ChartSprite SwatchSprite(int kind, int index) {
  return ChartSprite{1, 1, kLegendSwatch - 2.0, kLegendSwatch - 2.0, kind, index};
}

ChartBox SwatchBox(ChartColour fill) {
  return ChartBox{1, 1, kLegendSwatch - 2.0, kLegendSwatch - 2.0, fill, colours::kBlack};
}

const char* RunWords(RunMark mark) {
  switch (mark) {
    case RunMark::None:
      return "不在连号、重号、斜连号中";
    case RunMark::Short:
      return "二个连号、重号或斜连号";
    case RunMark::Long:
      return "三个以上连号、重号或斜连号";
  }
  return "";
}

}  // namespace

std::vector<LegendEntry> DistributionLegend(int displayMode, int markStyle) {
  const int kind = ShowsBall(displayMode) ? 2 : 1;
  // Marks that share a colour share an entry, in the order of their runs.
  std::map<int, std::string> wordsOfColour;
  for (RunMark mark : {RunMark::None, RunMark::Short, RunMark::Long}) {
    std::string& words = wordsOfColour[MarkerColourOf(mark, markStyle)];
    if (!words.empty()) words += "，";
    words += RunWords(mark);
  }
  std::vector<LegendEntry> legend;
  if (wordsOfColour.size() == 1) {
    legend.push_back({SwatchSprite(kind, wordsOfColour.begin()->first), "开出的号码（不标识）"});
    return legend;
  }
  for (const auto& [colour, words] : wordsOfColour)
    legend.push_back({SwatchSprite(kind, colour), words});
  return legend;
}

std::vector<LegendEntry> MatrixLegend() {
  const double r = kLegendSwatch / 2.0;
  return {
      {ChartDisc{{r, r}, r - 2, colours::kRed, colours::kRed}, "开出的号码"},
      {SwatchSprite(kMatrixPictureStrip, kMatrixEmptyLineSprite), "空行或空列中的格"},
      {SwatchSprite(kMatrixPictureStrip, kMatrixPlainCellSprite), "其他格"},
  };
}

std::vector<LegendEntry> PartitionLegend(ChartColour odd, ChartColour even, bool typeGroups) {
  const std::string group = typeGroups ? "类型组" : "分区";
  return {{SwatchBox(odd), "第1、3、5…" + group}, {SwatchBox(even), "第2、4、6…" + group}};
}

}  // namespace dlt
