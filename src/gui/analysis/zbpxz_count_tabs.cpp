// The count charts: 出现次数统计图 and 分项统计, over the last N draws or a
// range of draws.
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

#include "analysis/series_fill.h"
#include "common/chance_figures.h"
#include "gui/analysis/zbpxz_chart_tab.h"
#include "gui/analysis/zbpxz_tabs.h"
#include "gui/app/named_button.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

// The window of a count chart: "近" N (the box and the scroll bar) or
// "自定义" from..to, with the label "共" n "期".
class WindowPicker : public QObject {
 public:
  struct Names {
    const char* nearRadio;
    const char* nearBox;
    const char* selfRadio;
    const char* fromBox;
    const char* toBox;
    const char* scrollBar;
    const char* countLabel;
  };

  WindowPicker(ZbpxzContext& z, const Names& n, QWidget* owner, QHBoxLayout* row,
               std::function<void()> changed)
      : QObject(owner), z_(z), changed_(std::move(changed)) {
    near_ = new QRadioButton(QStringLiteral("近"), owner);
    near_->setObjectName(n.nearRadio);
    near_->setChecked(true);
    nearBox_ = new QComboBox(owner);
    nearBox_->setObjectName(n.nearBox);
    for (const std::string& t : NearCountTexts()) nearBox_->addItem(QString::fromStdString(t));
    nearBox_->setCurrentText(QString::number(kDefaultNearCount));
    self_ = new QRadioButton(QStringLiteral("自定义"), owner);
    self_->setObjectName(n.selfRadio);
    from_ = new QComboBox(owner);
    from_->setObjectName(n.fromBox);
    to_ = new QComboBox(owner);
    to_->setObjectName(n.toBox);
    for (QComboBox* b : {from_, to_}) b->setEditable(true);
    bar_ = new QScrollBar(Qt::Horizontal, owner);
    bar_->setObjectName(n.scrollBar);
    bar_->setMinimumWidth(120);
    label_ = new QLabel(owner);
    label_->setObjectName(n.countLabel);
    auto* group = new QButtonGroup(this);
    group->addButton(near_);
    group->addButton(self_);
    row->addWidget(near_);
    row->addWidget(nearBox_);
    row->addWidget(new QLabel(QStringLiteral("期"), owner));
    row->addWidget(bar_);
    row->addWidget(self_);
    row->addWidget(from_);
    row->addWidget(new QLabel(QStringLiteral("至"), owner));
    row->addWidget(to_);
    row->addWidget(label_);
    connect(near_, &QRadioButton::toggled, this, [this] { changed_(); });
    connect(nearBox_, &QComboBox::currentIndexChanged, this, [this] {
      barValue_ = -1;
      const QSignalBlocker quiet(bar_);
      bar_->setValue(Near());
      if (near_->isChecked()) changed_();
    });
    connect(bar_, &QScrollBar::valueChanged, this, [this](int n) {
      // The scroll bar sets N directly.
      barValue_ = n;
      near_->setChecked(true);
      changed_();
    });
    for (QComboBox* b : {from_, to_})
      connect(b, &QComboBox::currentTextChanged, this, [this] {
        if (self_->isChecked()) changed_();
      });
  }

  void Reset() {
    const QStringList issues = z_.IssueTexts();
    FillIssuePicker(from_, issues, true);
    FillIssuePicker(to_, issues, false);
    const QSignalBlocker quiet(bar_);
    bar_->setRange(0, z_.Table().RecordCount());
    barValue_ = -1;
    bar_->setValue(Near());
  }

  DrawRange Window() const {
    const DrawTable& table = z_.Table();
    const int count = table.RecordCount();
    DrawRange w;
    if (self_->isChecked())
      w = RangeBetween(count, PickedDraw(from_, table, 0), PickedDraw(to_, table, count - 1));
    else
      w = NearRange(count, Near());
    label_->setText(QStringLiteral("共%1期").arg(w.count));
    return w;
  }

 private:
  int Near() const {
    if (barValue_ >= 0) return barValue_;
    return NearCountOfText(nearBox_->currentText().toStdString(), z_.Table().RecordCount());
  }

  ZbpxzContext& z_;
  std::function<void()> changed_;
  QRadioButton* near_ = nullptr;
  QRadioButton* self_ = nullptr;
  QComboBox* nearBox_ = nullptr;
  QComboBox* from_ = nullptr;
  QComboBox* to_ = nullptr;
  QScrollBar* bar_ = nullptr;
  QLabel* label_ = nullptr;
  int barValue_ = -1;
};

// What chance gives a bar of a window of `draws` draws: p·draws and the
// deviation from it.
void WithChance(BarItem& item, double p, int draws) {
  item.expected = p * draws;
  item.deviation = BinomialDeviation(item.count, draws, p);
}

// "显示次数" / "显示百分比例".
std::pair<QRadioButton*, QRadioButton*> CountOrPercent(QWidget* owner, QHBoxLayout* row,
                                                       const char* countName,
                                                       const char* percentName) {
  auto* count = new QRadioButton(QStringLiteral("显示次数"), owner);
  count->setObjectName(countName);
  count->setChecked(true);
  auto* percent = new QRadioButton(QStringLiteral("显示百分比例"), owner);
  percent->setObjectName(percentName);
  auto* group = new QButtonGroup(owner);
  group->addButton(count);
  group->addButton(percent);
  row->addWidget(count);
  row->addWidget(percent);
  return {count, percent};
}

class OccurrenceTab : public ChartTab {
 public:
  OccurrenceTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent)
      : ChartTab(z, "im_cxcstj", s, parent) {
    window_ = new WindowPicker(z,
                               {"rb_tjt_nearqs", "combo_tjt_nearqs", "rb_tjt_self", "me_from",
                                "me_to", "sb_tjt", "l_tjt_count"},
                               this, Controls(), [this] { ChartTab::Fill(); });
    AddChanceBox("cb_tjt_expected");
    Controls()->addStretch(1);
    percent_ = CountOrPercent(this, PagingRow(), "rb_xscs", "rb_xsbfb").second;
    connect(percent_, &QRadioButton::toggled, this, [this] { ChartTab::Fill(); });
    const struct {
      const char* name;
      const char* caption;
      int order;
    } sorts[] = {{"b_upsort", "升序显示  ", 1},
                 {"b_downsort", "降序显示  ", -1},
                 {"b_cgxs", "常规显示  ", 0}};
    for (const auto& b : sorts) {
      auto* button = NamedButton(this, b.name, QString::fromUtf8(b.caption));
      const int order = b.order;
      connect(button, &QPushButton::clicked, this, [this, order] {
        order_ = order;
        ChartTab::Fill();
      });
      PagingRow()->addWidget(button);
    }
    AddPaging(
        PagingNames{"", "", "b_tjt_pageup", "b_tjt_pagedown", "b_tjt_up", "b_tjt_down"},
        [] { return kOccurrencePage; }, [this](int delta) { Move(delta); });
  }

  void Reset() override {
    window_->Reset();
    first_ = 0;
    order_ = 0;
  }

  void ScrollStep(bool forward) override {
    Move(forward ? 1 : -1);
    ChartTab::Fill();
  }

 protected:
  Chart Build(int width, int height, const TextMetrics& metrics) override {
    const DrawRange window = window_->Window();
    const std::vector<int32_t> counts = OccurrenceCounts(z_.Series(), window, z_.from, z_.to);
    const ValueDistribution* chance = ShownChance();
    std::vector<BarItem> items;
    for (size_t i = 0; i < counts.size(); ++i) {
      const int64_t v = z_.from + static_cast<int64_t>(i);
      BarItem item{std::to_string(v), counts[i], {}, {}};
      if (chance) WithChance(item, chance->Probability(static_cast<int32_t>(v)), window.count);
      items.push_back(std::move(item));
    }
    // Sorting moves each value with its count; ties keep value order.
    if (order_ != 0)
      std::stable_sort(items.begin(), items.end(), [this](const BarItem& a, const BarItem& b) {
        return order_ > 0 ? a.count < b.count : a.count > b.count;
      });
    first_ = std::clamp(first_, 0, std::max(static_cast<int>(items.size()) - 1, 0));
    const auto end = std::min(items.size(), static_cast<size_t>(first_) + kOccurrencePage);
    const std::vector<BarItem> page(items.begin() + std::min<size_t>(first_, items.size()),
                                    items.begin() + end);
    std::string title = z_.caption.toStdString() + "出现次数统计图";
    if (chance) title += "  " + FitText(ValueCountFit(counts, z_.from, *chance, window.count));
    return BarChart(page, window.count, percent_->isChecked(), title, width, height, metrics);
  }

 private:
  void Move(int delta) {
    const int values = std::max(z_.to - z_.from + 1, 1);
    first_ = std::clamp(first_ + delta, 0, values - 1);
  }

  WindowPicker* window_ = nullptr;
  QRadioButton* percent_ = nullptr;
  int first_ = 0;
  int order_ = 0;
};

class ItemTab : public ChartTab {
 public:
  ItemTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent) : ChartTab(z, "im_fxtj", s, parent) {
    window_ = new WindowPicker(z,
                               {"rb_fxtj_nearqs", "combo_fxtj_nearqs", "rb_fxtj_self",
                                "cb_fxtj_from", "cb_fxtj_to", "sb_fxtj", "l_fxtj_count"},
                               this, Controls(), [this] { ChartTab::Fill(); });
    AddChanceBox("cb_fxtj_expected");
    Controls()->addStretch(1);
    kinds_ = new QButtonGroup(this);
    const char* names[] = {"rb_fxtj_jo", "rb_fxtj_zh", "rb_fxtj_fq", "rb_fxtj_ys"};
    const char* captions[] = {"奇偶", "质合", "分区", "除"};
    for (int i = 0; i < 4; ++i) {
      auto* rb = new QRadioButton(QString::fromUtf8(captions[i]), this);
      rb->setObjectName(names[i]);
      kinds_->addButton(rb, i);
      PagingRow()->addWidget(rb);
      if (i == 2) {
        zones_ = new QComboBox(this);
        zones_->setObjectName("combo_fq");
        PagingRow()->addWidget(zones_);
      }
      if (i == 3) {
        divisor_ = new QComboBox(this);
        divisor_->setObjectName("combo_ys");
        PagingRow()->addWidget(divisor_);
        PagingRow()->addWidget(new QLabel(QStringLiteral("余数"), this));
      }
    }
    for (int n = 2; n <= 35; ++n) {
      zones_->addItem(QString::number(n));
      divisor_->addItem(QString::number(n));
    }
    kinds_->button(0)->setChecked(true);
    connect(kinds_, &QButtonGroup::idClicked, this, [this] { ChartTab::Fill(); });
    for (QComboBox* b : {zones_, divisor_})
      connect(b, &QComboBox::currentIndexChanged, this, [this] { ChartTab::Fill(); });
    percent_ = CountOrPercent(this, PagingRow(), "rb_fxtj_xscs", "rb_fxtj_xsbfb").second;
    connect(percent_, &QRadioButton::toggled, this, [this] { ChartTab::Fill(); });
    PagingRow()->addStretch(1);
  }

  // The zone and remainder pickers go back to 2 and 3.
  void Reset() override {
    window_->Reset();
    const QSignalBlocker a(zones_), b(divisor_);
    zones_->setCurrentText(QStringLiteral("2"));
    divisor_->setCurrentText(QStringLiteral("3"));
  }

 protected:
  Chart Build(int width, int height, const TextMetrics& metrics) override {
    const DrawRange window = window_->Window();
    const auto kind = static_cast<ItemKind>(std::max(kinds_->checkedId(), 0));
    const int n = (kind == ItemKind::Zones ? zones_ : divisor_)->currentText().toInt();
    const ValueDistribution* chance = ShownChance();
    const std::vector<ItemClass> classes =
        ItemClassCounts(z_.Series(), window, kind, n, z_.from, z_.to);
    std::vector<double> p;
    if (chance) p = ItemClassProbabilities(*chance, kind, n, z_.from, z_.to);
    std::vector<BarItem> items;
    std::vector<int64_t> counts;
    for (size_t k = 0; k < classes.size(); ++k) {
      BarItem item{classes[k].label, classes[k].count, {}, {}};
      if (chance) WithChance(item, p[k], window.count);
      items.push_back(std::move(item));
      counts.push_back(classes[k].count);
    }
    std::string title = z_.caption.toStdString() + "分项统计";
    if (chance) title += "  " + FitText(WindowFit(counts, p, window.count));
    return BarChart(items, window.count, percent_->isChecked(), title, width, height, metrics);
  }

 private:
  WindowPicker* window_ = nullptr;
  QButtonGroup* kinds_ = nullptr;
  QComboBox* zones_ = nullptr;
  QComboBox* divisor_ = nullptr;
  QRadioButton* percent_ = nullptr;
};

}  // namespace

ZbpxzTab* MakeOccurrenceTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent) {
  return new OccurrenceTab(z, s, parent);
}
ZbpxzTab* MakeItemTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent) {
  return new ItemTab(z, s, parent);
}

}  // namespace dlt::gui
