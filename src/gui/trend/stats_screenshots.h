#pragma once

#include <QString>

class QWidget;

namespace dlt::gui {

struct AppContext;

// The pictures of the statistics windows for `make screenshots`: the bar
// chart and "分项统计一" of the statistics area (tjq_bars.png,
// tjq_items.png), "关联分析" and "相生相克" of the more-charts window
// (moredb_association.png, moredb_pairs.png), and two pages of the
// back-zone window (bluefxd_means.png, bluefxd_slots.png).
void TakeStatisticsPictures(AppContext& app, const QString& dir,
                            void (*save)(QWidget*, const QString&, const QString&),
                            void (*settle)(int));

}  // namespace dlt::gui
