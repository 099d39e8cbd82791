#pragma once

#include <QString>

class QWidget;

namespace dlt::gui {

struct AppContext;

// The pictures of the indicator analysis for `make screenshots`: the
// launcher (zbpx.png) and four tabs of the analysis of 主号一: 均值走势图
// (zbpxz_means.png), 遗漏分布图表 (zbpxz_omission_table.png), 信号图
// (zbpxz_signal.png) and 遗漏次数统计图 (zbpxz_omission_stats.png).
void TakeAnalysisPictures(AppContext& app, const QString& dir,
                          void (*save)(QWidget*, const QString&, const QString&),
                          void (*settle)(int));

}  // namespace dlt::gui
