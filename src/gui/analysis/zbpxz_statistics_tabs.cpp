// 遗漏次数统计图 (the per-value omission statistics over a range of draws) and
// 按期数分段走势 (the segment statistics).
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "analysis/omission_stats.h"
#include "analysis/segments.h"
#include "gui/analysis/zbpxz_chart_tab.h"
#include "gui/analysis/zbpxz_tabs.h"
#include "gui/app/named_button.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

class OmissionStatsTab : public ChartTab {
 public:
  OmissionStatsTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent)
      : ChartTab(z, "im_ylcstj", s, parent) {
    from_ = new QComboBox(this);
    from_->setObjectName("me_ylcsfrom");
    to_ = new QComboBox(this);
    to_->setObjectName("me_ylcsto");
    for (QComboBox* b : {from_, to_}) b->setEditable(true);
    auto* again = NamedButton(this, "b_cxtj", QStringLiteral("重新统计 "));
    connect(again, &QPushButton::clicked, this, [this] { Fill(); });
    Controls()->addWidget(from_);
    Controls()->addWidget(new QLabel(QStringLiteral("<=统计区域<="), this));
    Controls()->addWidget(to_);
    Controls()->addWidget(again);
    auto* count = new QRadioButton(QStringLiteral("显示次数"), this);
    count->setObjectName("rb_ylcs_xscs");
    count->setChecked(true);
    percent_ = new QRadioButton(QStringLiteral("显示百分比例"), this);
    percent_->setObjectName("rb_ylcs_xsbfb");
    auto* group = new QButtonGroup(this);
    group->addButton(count);
    group->addButton(percent_);
    connect(percent_, &QRadioButton::toggled, this, [this] { ChartTab::Fill(); });
    Controls()->addWidget(count);
    Controls()->addWidget(percent_);
    AddChanceBox("cb_ylcs_expected");
    Controls()->addStretch(1);
    const struct {
      const char* name;
      const char* caption;
      int order;
    } sorts[] = {{"b_ylcs_upsort", "升序显示  ", 1},
                 {"b_ylcs_downsort", "降序显示  ", -1},
                 {"b_ylcs_cgxs", "常规显示  ", 0}};
    for (const auto& b : sorts) {
      auto* button = NamedButton(this, b.name, QString::fromUtf8(b.caption));
      const int order = b.order;
      connect(button, &QPushButton::clicked, this, [this, order] {
        order_ = order;
        Arrange();
        ChartTab::Fill();
      });
      PagingRow()->addWidget(button);
    }
    AddPaging(
        PagingNames{"", "", "b_ylcs_pageup", "b_ylcs_pagedown", "b_ylcs_up", "b_ylcs_down"},
        [] { return kOmissionStatsPage; }, [this](int delta) { Move(delta); });
  }

  void Reset() override {
    const QStringList issues = z_.IssueTexts();
    FillIssuePicker(from_, issues, true);
    FillIssuePicker(to_, issues, false);
    first_ = 0;
    order_ = 0;
  }

  // "重新统计 " and showing the tab: the statistics of the draws s..e.
  void Fill() override {
    const DrawTable& table = z_.Table();
    const int count = table.RecordCount();
    const DrawRange w =
        RangeBetween(count, PickedDraw(from_, table, 0), PickedDraw(to_, table, count - 1));
    byValue_ = OmissionStatistics(z_.Series(), w.First(), w.last, z_.from, z_.to);
    windowSize_ = w.count;
    Arrange();
    ChartTab::Fill();
  }

  void ScrollStep(bool forward) override {
    Move(forward ? 1 : -1);
    ChartTab::Fill();
  }

  const std::vector<ValueOmissionStats>& Shown() const { return shown_; }

 protected:
  Chart Build(int width, int height, const TextMetrics& metrics) override {
    const size_t first = std::min<size_t>(first_, shown_.size());
    const size_t end = std::min(shown_.size(), first + kOmissionStatsPage);
    const std::vector<ValueOmissionStats> page(shown_.begin() + first, shown_.begin() + end);
    std::vector<OmissionOdds> odds;
    if (const ValueDistribution* chance = ShownChance())
      for (const ValueOmissionStats& s : page)
        odds.push_back(OmissionOddsOf(chance->Probability(s.value), s));
    return OmissionStatsChart(page, windowSize_, percent_->isChecked(), width, height, metrics,
                              odds);
  }

 private:
  void Arrange() {
    shown_ = byValue_;
    if (order_ != 0) SortByCurrentOmission(shown_, order_ > 0);
  }

  void Move(int delta) {
    first_ = std::clamp(first_ + delta, 0, std::max(static_cast<int>(shown_.size()) - 1, 0));
  }

  QComboBox* from_ = nullptr;
  QComboBox* to_ = nullptr;
  QRadioButton* percent_ = nullptr;
  std::vector<ValueOmissionStats> byValue_, shown_;
  int windowSize_ = 0;
  int first_ = 0;
  int order_ = 0;
};

class SegmentTab : public ChartTab {
 public:
  SegmentTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent)
      : ChartTab(z, "im_qdzs", s, parent) {
    length_ = new QComboBox(this);
    length_->setObjectName("cb_qdcd");
    for (int l : SegmentLengths()) length_->addItem(QString::number(l));
    length_->setCurrentText(QString::number(kDefaultSegmentLength));
    adjust_ = new QComboBox(this);
    adjust_->setObjectName("cb_wztj");
    for (int p : SegmentAdjustments()) adjust_->addItem(QString::number(p));
    adjust_->setCurrentText(QString::number(kDefaultSegmentAdjustment));
    statistic_ = new QComboBox(this);
    statistic_->setObjectName("cb_xslr");
    for (const std::string& t : SegmentStatisticTexts())
      statistic_->addItem(QString::fromStdString(t));
    Controls()->addWidget(new QLabel(QStringLiteral("区段长度"), this));
    Controls()->addWidget(length_);
    Controls()->addWidget(new QLabel(QStringLiteral("位置调整"), this));
    Controls()->addWidget(adjust_);
    Controls()->addWidget(new QLabel(QStringLiteral("显示内容"), this));
    Controls()->addWidget(statistic_);
    Controls()->addStretch(1);
    for (QComboBox* b : {length_, adjust_, statistic_})
      connect(b, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
  }

  void Fill() override {
    segments_ = ComputeSegments(z_.Table().Draws(), z_.Series(), length_->currentText().toInt(),
                                adjust_->currentText().toInt(),
                                static_cast<SegmentStatistic>(statistic_->currentIndex()));
    ChartTab::Fill();
  }

  const std::vector<Segment>& Segments() const { return segments_; }

 protected:
  Chart Build(int width, int height, const TextMetrics& metrics) override {
    return SegmentChart(segments_,
                        z_.caption.toStdString() + statistic_->currentText().toStdString(), width,
                        height, metrics);
  }

 private:
  QComboBox* length_ = nullptr;
  QComboBox* adjust_ = nullptr;
  QComboBox* statistic_ = nullptr;
  std::vector<Segment> segments_;
};

}  // namespace

ZbpxzTab* MakeOmissionStatsTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent) {
  return new OmissionStatsTab(z, s, parent);
}
ZbpxzTab* MakeSegmentTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent) {
  return new SegmentTab(z, s, parent);
}

}  // namespace dlt::gui
