#pragma once

class QWidget;

namespace dlt::gui {

struct ZbpxzContext;
class ZbpxzTab;
class AutoScroller;

// The fifteen tabs of Tf_zbpxz, each made by its own file. Chart tabs take
// the window's scroller (popup pm_zsd); the two grid tabs scroll their rows
// with their own.
ZbpxzTab* MakeMeanTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent);       // 均值走势图
ZbpxzTab* MakeRemainderTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent);  // 余数走势图
ZbpxzTab* MakeFeatureTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent);    // 特征图
ZbpxzTab* MakeChangeTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent);  // 变化量及尾数图
ZbpxzTab* MakeDistributionTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent);  // 数据分布图
ZbpxzTab* MakeFieldTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent);  // 田野走势图
ZbpxzTab* MakeOmissionValueTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent);  // 遗漏值走势
ZbpxzTab* MakeSingleValueTab(ZbpxzContext& z, AutoScroller& s,
                             QWidget* parent);                     // 单个取值遗漏走势
ZbpxzTab* MakeOmissionTableTab(ZbpxzContext& z, QWidget* parent);  // 遗漏分布图表
ZbpxzTab* MakeOccurrenceTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent);  // 出现次数统计图
ZbpxzTab* MakeItemTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent);        // 分项统计
ZbpxzTab* MakeOmissionStatsTab(ZbpxzContext& z, AutoScroller& s,
                               QWidget* parent);  // 遗漏次数统计图
ZbpxzTab* MakeSegmentTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent);  // 按期数分段走势
ZbpxzTab* MakeRunChartTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent);  // 信号图
ZbpxzTab* MakeTraitTableTab(ZbpxzContext& z, QWidget* parent);                 // 特性图表

}  // namespace dlt::gui
