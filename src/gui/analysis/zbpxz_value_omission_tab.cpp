// 单个取值遗漏走势: the omissions of one value at its occurrences, paged by
// entries.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "gui/analysis/zbpxz_chart_tab.h"
#include "gui/analysis/zbpxz_tabs.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

class SingleValueTab : public ChartTab {
 public:
  SingleValueTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent)
      : ChartTab(z, "im_dgqzylzs", s, parent) {
    value_ = new QComboBox(this);
    value_->setObjectName("cb_dgqzylzs");
    connect(value_, &QComboBox::currentIndexChanged, this, [this] {
      Recompute();
      ChartTab::Fill();
    });
    Controls()->addWidget(new QLabel(QStringLiteral("指标取值"), this));
    Controls()->addWidget(value_);
    Controls()->addStretch(1);
    AddPaging(
        PagingNames{"", "", "b_dgqz_pageup", "b_dgqz_pagedown", "b_dgqz_up", "b_dgqz_down"},
        [] { return kSingleValuePage; }, [this](int delta) { Move(delta); });
  }

  // The window's show: the values from..to, the first one chosen.
  void Reset() override {
    const QSignalBlocker quiet(value_);
    value_->clear();
    for (int64_t v = z_.from; v <= z_.to; ++v) value_->addItem(QString::number(v));
    value_->setCurrentIndex(0);
    Recompute();
  }

  void ScrollStep(bool forward) override {
    if (forward && first_ + kSingleValuePage >= static_cast<int>(entries_.size())) return;
    Move(forward ? 1 : -1);
    ChartTab::Fill();
  }

  const std::vector<ValueOmissionEntry>& Entries() const { return entries_; }
  int First() const { return first_; }

 protected:
  Chart Build(int width, int height, const TextMetrics& metrics) override {
    if (entries_.empty()) return {};
    return SingleValueChart(entries_, first_, Value(), width, height, metrics);
  }

 private:
  int32_t Value() const { return value_->currentText().toInt(); }

  // The entries of the chosen value; the first page ends at the last entry.
  void Recompute() {
    entries_ = value_->count() == 0
                   ? std::vector<ValueOmissionEntry>{}
                   : SingleValueOmissions(z_.Table().Draws(), z_.Series(), Value());
    first_ = std::max(static_cast<int>(entries_.size()) - kSingleValuePage, 0);
  }

  void Move(int delta) {
    const int last = std::max(static_cast<int>(entries_.size()) - 1, 0);
    first_ = std::clamp(first_ + delta, 0, last);
  }

  QComboBox* value_ = nullptr;
  std::vector<ValueOmissionEntry> entries_;
  int first_ = 0;
};

}  // namespace

ZbpxzTab* MakeSingleValueTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent) {
  return new SingleValueTab(z, s, parent);
}

}  // namespace dlt::gui
