// The ball grids: 数据分布图 and 田野走势图 with its group editor.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "analysis/field_groups.h"
#include "common/text.h"
#include "gui/analysis/tf_tyzsd_modify.h"
#include "gui/analysis/zbpxz_chart_tab.h"
#include "gui/analysis/zbpxz_tabs.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"

namespace dlt::gui {
namespace {

class DistributionTab : public PagedChartTab {
 public:
  DistributionTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent)
      : PagedChartTab(z, "im_sjfbd", "cb_sysjfbdqs",
                      PagingNames{"b_sjfbdtz", "e_sjfbdtz", "b_sjfbd_pageup", "b_sjfbd_pagedown",
                                  "b_sjfbd_up", "b_sjfbd_down"},
                      s, parent) {
    min_ = new QLineEdit(QStringLiteral("0"), this);
    min_->setObjectName("e_fbd_min");
    max_ = new QLineEdit(QStringLiteral("35"), this);
    max_->setObjectName("e_fbd_max");
    for (QLineEdit* e : {min_, max_}) e->setFixedWidth(60);
    auto* update = NamedButton(this, "b_fbd_update", QStringLiteral("更新"));
    connect(update, &QPushButton::clicked, this, [this] { Fill(); });
    style_ = new QComboBox(this);
    style_->setObjectName("cb_fbd_style");
    for (const std::string& t : DistributionStyleTexts())
      style_->addItem(QString::fromStdString(t));
    style_->setCurrentIndex(kDefaultDistributionStyle);
    connect(style_, &QComboBox::currentIndexChanged, this, [this] { ChartTab::Fill(); });
    Controls()->addWidget(new QLabel(QStringLiteral("最小值"), this));
    Controls()->addWidget(min_);
    Controls()->addWidget(new QLabel(QStringLiteral("最大值"), this));
    Controls()->addWidget(max_);
    Controls()->addWidget(update);
    Controls()->addWidget(style_);
    Controls()->addStretch(1);
  }

  // "更新", which showing the tab runs too: takes the two bounds.
  void Fill() override {
    bool okMin = false, okMax = false;
    const int lo = min_->text().trimmed().toInt(&okMin);
    const int hi = max_->text().trimmed().toInt(&okMax);
    if (!okMin || !okMax) {
      z_.app.shell.Inform(this, QStringLiteral("最小值和最大值必须是整数"));
      return;
    }
    if (std::abs(static_cast<int64_t>(hi) - lo) >= 100) {
      z_.app.shell.Inform(this, QString::fromUtf8(kDistributionTooWide));
      min_->setText(QStringLiteral("0"));
      max_->setText(QStringLiteral("35"));
      appliedMin_ = 0;
      appliedMax_ = 35;
    } else {
      appliedMin_ = lo;
      appliedMax_ = hi;
    }
    ChartTab::Fill();
  }

 protected:
  Chart BuildPage(const AnalysisView& view, const TextMetrics& metrics) override {
    return BallGridChart(
        view, DistributionGrid(view, appliedMin_, appliedMax_, style_->currentIndex()), metrics);
  }

 private:
  QLineEdit* min_ = nullptr;
  QLineEdit* max_ = nullptr;
  QComboBox* style_ = nullptr;
  int32_t appliedMin_ = 0, appliedMax_ = 35;
};

class FieldTab : public PagedChartTab {
 public:
  FieldTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent)
      : PagedChartTab(z, "im_tyzsd", "cb_sysjtyzsdqs",
                      PagingNames{"b_tyzsdtz", "e_tyzsdtz", "b_tyzsd_pageup", "b_tyzsd_pagedown",
                                  "b_tyzsd_up", "b_tyzsd_down"},
                      s, parent) {
    chart_ = new QComboBox(this);
    chart_->setObjectName("cb_mlsjtyzsd");
    for (int k = 1; k <= 10; ++k)
      chart_->addItem(QString::fromStdString("田野走势图" + ChineseNumeral(k)));
    groups_ = new QComboBox(this);
    groups_->setObjectName("cb_tyd_zhs");
    for (int k = kMinFieldGroups; k <= kMaxFieldGroups; ++k) groups_->addItem(QString::number(k));
    groups_->setCurrentText(QString::number(kDefaultFieldGroups));
    connect(chart_, &QComboBox::currentIndexChanged, this, [this] { ChartTab::Fill(); });
    connect(groups_, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
    auto* modify = NamedButton(this, "b_tyd_modify", QStringLiteral("修改田野图"));
    connect(modify, &QPushButton::clicked, this, [this] { Modify(); });
    Controls()->addWidget(chart_);
    Controls()->addWidget(new QLabel(QStringLiteral("组数"), this));
    Controls()->addWidget(groups_);
    Controls()->addWidget(modify);
    Controls()->addStretch(1);
  }

  // Reads the group texts of the chosen count, then draws.
  void Fill() override {
    std::string error;
    auto loaded = LoadFieldGroups(Path(), GroupCount(), &error);
    if (!loaded) {
      z_.app.shell.Inform(this, QString::fromStdString(error));
      texts_ = FieldGroups{};
    } else {
      texts_ = std::move(*loaded);
    }
    ChartTab::Fill();
  }

 protected:
  Chart BuildPage(const AnalysisView& view, const TextMetrics& metrics) override {
    const auto& groups = texts_[std::clamp(chart_->currentIndex(), 0, kFieldCharts - 1)];
    BallGridSetup setup = FieldGrid(view, groups);
    setup.title = chart_->currentText().toStdString();
    return BallGridChart(view, setup, metrics);
  }

 private:
  int GroupCount() const { return groups_->currentText().toInt(); }
  std::string Path() const { return FieldGroupsPath(z_.app.folder.Root(), GroupCount()); }

  void Modify() {
    auto* editor = z_.app.windows ? z_.app.windows->Get<Tf_tyzsd_modify>() : nullptr;
    if (!editor) return;
    const int chart = std::clamp(chart_->currentIndex(), 0, kFieldCharts - 1);
    QStringList texts;
    for (const std::string& t : texts_[chart]) texts << QString::fromStdString(t);
    editor->SetTexts(texts);
    if (z_.app.shell.ExecDialog(*editor) != QDialog::Accepted) return;
    const QStringList edited = editor->Texts();
    for (int j = 0; j < edited.size() && j < static_cast<int>(texts_[chart].size()); ++j)
      texts_[chart][j] = edited[j].toStdString();
    std::string error;
    if (!SaveFieldGroups(Path(), texts_, &error))
      z_.app.shell.Inform(this, QString::fromStdString(error));
    ChartTab::Fill();
  }

  QComboBox* chart_ = nullptr;
  QComboBox* groups_ = nullptr;
  FieldGroups texts_;
};

}  // namespace

ZbpxzTab* MakeDistributionTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent) {
  return new DistributionTab(z, s, parent);
}
ZbpxzTab* MakeFieldTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent) {
  return new FieldTab(z, s, parent);
}

}  // namespace dlt::gui
