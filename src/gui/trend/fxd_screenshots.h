#pragma once

#include <QString>

class QWidget;

namespace dlt::gui {

struct AppContext;

// The pictures of the trend window for `make screenshots`: the front
// omission grid (fxd_omission.png), the distribution chart
// (fxd_distribution.png), data table 1 (fxd_table1.png), the line chart
// (fxd_lines.png), the gap chart (fxd_gaps.png), "扩展系列一"
// (fxd_extend.png), the combination shape chart (fxd_shape_chart.png) and
// table (fxd_shape_table.png) and the indicator mosaic (fxd_mosaic.png).
void TakeTrendPictures(AppContext& app, const QString& dir,
                       void (*save)(QWidget*, const QString&, const QString&), void (*settle)(int));

}  // namespace dlt::gui
