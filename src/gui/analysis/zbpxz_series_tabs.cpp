// The paged series charts: 均值走势图, 余数走势图, 特征图, 变化量及尾数图 and
// 遗漏值走势.
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

#include "analysis/characteristic.h"
#include "analysis/series_omission.h"
#include "gui/analysis/zbpxz_chart_tab.h"
#include "gui/analysis/zbpxz_tabs.h"
#include "gui/app/named_button.h"
#include "history/draw_table.h"
#include "indicators/series.h"

namespace dlt::gui {
namespace {

class MeanTab : public PagedChartTab {
 public:
  MeanTab(ZbpxzContext& z, ZbpxzScroller& s, QWidget* parent)
      : PagedChartTab(z, "im_jzzs", "cb_jzzsshowqs",
                      PagingNames{"b_jzzstz", "e_jzzstz", "b_jzzs_pageup", "b_jzzs_pagedown",
                                  "b_jzzs_up", "b_jzzs_down"},
                      s, parent) {
    const struct {
      const char* name;
      const char* caption;
      bool on;
    } lines[] = {{"cb_cgx", "常规线", true},        {"cb_twojz", "二期均值", true},
                 {"cb_threejz", "三期均值", false}, {"cb_fourjz", "四期均值", false},
                 {"cb_fivejz", "五期均值", false},  {"cb_tenjz", "十期均值", false}};
    for (int i = 0; i < 6; ++i) {
      lines_[i] = new QCheckBox(QString::fromUtf8(lines[i].caption), this);
      lines_[i]->setObjectName(lines[i].name);
      lines_[i]->setChecked(lines[i].on);
      connect(lines_[i], &QCheckBox::toggled, this, [this] { Fill(); });
      Controls()->addWidget(lines_[i]);
    }
    auto* legend = new QLabel(
        QStringLiteral("<span>常规线:黑</span>  <span style='color:#008000'>二期:绿</span>  "
                       "<span style='color:#a340bf'>三期:紫</span>  "
                       "<span style='color:#f88607'>四期:橙</span>  "
                       "<span style='color:#ff0000'>五期:红</span>  "
                       "<span style='color:#0000ff'>十期:蓝</span>"),
        this);
    legend->setObjectName("Label1");
    Controls()->addWidget(legend);
    Controls()->addStretch(1);
    auto* adjust = NamedButton(this, "b_adjust_qzfw", QStringLiteral("调至最佳取值范围"));
    connect(adjust, &QPushButton::clicked, this, [this] {
      const auto series = z_.Series();
      if (series.empty()) return;
      const auto [lo, hi] = std::minmax_element(series.begin(), series.end());
      z_.from = *lo;
      z_.to = *hi;
      Fill();
    });
    Controls()->addWidget(adjust);
  }

 protected:
  Chart BuildPage(const AnalysisView& view, const TextMetrics& metrics) override {
    std::array<bool, 6> on{};
    for (int i = 0; i < 6; ++i) on[i] = lines_[i]->isChecked();
    return MeanChart(view, on, metrics);
  }

 private:
  std::array<QCheckBox*, 6> lines_{};
};

class RemainderTab : public PagedChartTab {
 public:
  RemainderTab(ZbpxzContext& z, ZbpxzScroller& s, QWidget* parent)
      : PagedChartTab(z, "im_yszs", "cb_yszsd",
                      PagingNames{"b_yszstz", "e_yszstz", "b_yszs_pageup", "b_yszs_pagedown",
                                  "b_yszs_up", "b_yszs_down"},
                      s, parent) {
    style_ = new QComboBox(this);
    style_->setObjectName("cb_ysstyle");
    for (const std::string& t : RemainderStyleTexts()) style_->addItem(QString::fromStdString(t));
    connect(style_, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
    Controls()->addWidget(style_);
    Controls()->addStretch(1);
  }

 protected:
  Chart BuildPage(const AnalysisView& view, const TextMetrics& metrics) override {
    return RemainderStripsChart(view, RemainderStyleDivisors(style_->currentIndex()), metrics);
  }

 private:
  QComboBox* style_ = nullptr;
};

class FeatureTab : public PagedChartTab {
 public:
  FeatureTab(ZbpxzContext& z, ZbpxzScroller& s, QWidget* parent)
      : PagedChartTab(z, "im_tzd", "cb_tzdqs",
                      PagingNames{"b_tzdtz", "e_tzdtz", "b_tzd_pageup", "b_tzd_pagedown",
                                  "b_tzd_up", "b_tzd_down"},
                      s, parent) {
    middle_ = new QLabel(this);
    middle_->setObjectName("l_zzxs");
    Controls()->addWidget(middle_);
    Controls()->addStretch(1);
  }

 protected:
  Chart BuildPage(const AnalysisView& view, const TextMetrics& metrics) override {
    middle_->setText(QStringLiteral("中间值是:") +
                     QString::fromStdString(MiddleValueText(z_.from, z_.to)));
    return FeatureChart(view, metrics);
  }

 private:
  QLabel* middle_ = nullptr;
};

class ChangeTab : public PagedChartTab {
 public:
  ChangeTab(ZbpxzContext& z, ZbpxzScroller& s, QWidget* parent)
      : PagedChartTab(z, "im_change", "cb_changeqs",
                      PagingNames{"b_changetz", "e_changetz", "b_change_pageup",
                                  "b_change_pagedown", "b_change_up", "b_change_down"},
                      s, parent) {}

 protected:
  Chart BuildPage(const AnalysisView& view, const TextMetrics& metrics) override {
    return ChangeChart(view, metrics);
  }
};

class OmissionValueTab : public PagedChartTab {
 public:
  OmissionValueTab(ZbpxzContext& z, ZbpxzScroller& s, QWidget* parent)
      : PagedChartTab(z, "im_ylzzs", "cb_ylzzs",
                      PagingNames{"b_ylzzstz", "e_ylzzstz", "b_ylzzs_pageup", "b_ylzzs_pagedown",
                                  "b_ylzzs_up", "b_ylzzs_down"},
                      s, parent) {}

 protected:
  Chart BuildPage(const AnalysisView& view, const TextMetrics& metrics) override {
    DrawTable& table = z_.Table();
    WriteSeriesOmission(table, view.series);
    return OmissionValueChart(view, table.ScratchColumn(ScratchField::TestYl),
                              table.ScratchColumn(ScratchField::TestYlZf), metrics);
  }
};

}  // namespace

ZbpxzTab* MakeMeanTab(ZbpxzContext& z, ZbpxzScroller& s, QWidget* parent) {
  return new MeanTab(z, s, parent);
}
ZbpxzTab* MakeRemainderTab(ZbpxzContext& z, ZbpxzScroller& s, QWidget* parent) {
  return new RemainderTab(z, s, parent);
}
ZbpxzTab* MakeFeatureTab(ZbpxzContext& z, ZbpxzScroller& s, QWidget* parent) {
  return new FeatureTab(z, s, parent);
}
ZbpxzTab* MakeChangeTab(ZbpxzContext& z, ZbpxzScroller& s, QWidget* parent) {
  return new ChangeTab(z, s, parent);
}
ZbpxzTab* MakeOmissionValueTab(ZbpxzContext& z, ZbpxzScroller& s, QWidget* parent) {
  return new OmissionValueTab(z, s, parent);
}

}  // namespace dlt::gui
