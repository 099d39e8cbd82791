#include "gui/analysis/analysis_handoff.h"

#include <algorithm>

#include "analysis/series_fill.h"
#include "gui/analysis/tf_zbpx.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "history/draw_table.h"
#include "indicators/catalogue.h"

namespace dlt::gui {
void TakeRangeOfValues(AnalysisSeries& series) {
  const ValueRange range = AnalysisRange(series.values);
  series.from = range.from;
  series.to = range.to;
}

std::vector<int32_t> SeriesAtHistoryEnd(const std::vector<int32_t>& values, int drawCount) {
  std::vector<int32_t> series(std::max(drawCount, 0), 0);
  const int n = std::min<int>(static_cast<int>(values.size()), drawCount);
  std::copy(values.end() - n, values.end(), series.end() - n);
  return series;
}

bool OpenIndicatorAnalysis(AppContext& app, QWidget* parent, const AnalysisSeries& series) {
  if (series.draws.empty() ? app.Table().RecordCount() == 0 : series.values.empty()) {
    app.shell.Inform(parent, QStringLiteral("没有开奖数据，无法剖析"));
    return false;
  }
  auto* analysis = app.windows ? app.windows->Get<Tf_zbpxz>() : nullptr;
  if (!analysis) return false;
  analysis->Analyse(series);
  return true;
}

IndicatorRequest RequestForKey(const std::string& key) {
  IndicatorRequest r;
  r.key = key;
  if (const tsetaccostr* row = FindCatalogueRow(key)) {
    r.label = QString::fromStdString(row->label);
    r.min = row->min;
    r.max = row->max;
  }
  return r;
}

bool AnalyseIndicator(AppContext& app, const IndicatorRequest& request) {
  auto* launcher = app.windows ? app.windows->Get<Tf_zbpx>() : nullptr;
  return launcher && launcher->Start(request);
}

}  // namespace dlt::gui
