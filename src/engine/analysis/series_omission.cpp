#include "analysis/series_omission.h"

#include <algorithm>
#include <vector>

#include "history/draw_table.h"
#include "indicators/series.h"

namespace dlt {

void WriteSeriesOmission(DrawTable& table, std::span<const int32_t> series) {
  const size_t count = std::min(series.size(), static_cast<size_t>(table.RecordCount()));
  const StatisticSeries s =
      SeriesFromValues(std::vector<int32_t>(series.begin(), series.begin() + count));
  for (size_t i = 0; i < count; ++i) {
    table.SetScratch(ScratchField::TestYl, static_cast<int>(i), s.omission[i]);
    table.SetScratch(ScratchField::TestYlZf, static_cast<int>(i), s.omissionAmplitude[i]);
  }
}

}  // namespace dlt
