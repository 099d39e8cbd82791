// 信号图: the run chart of a base series derived from the analysed one, its
// signal grid sg_ftc_signal and the transfer "过滤设置" to the generator.
#include <QAbstractTableModel>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "analysis/run_chart.h"
#include "analysis/transfer.h"
#include "chart/page_window.h"
#include "chart/tcoordinate.h"
#include "gui/analysis/analysis_transfer.h"
#include "gui/analysis/tf_filter_zbpxz.h"
#include "gui/analysis/zbpxz_chart_tab.h"
#include "gui/analysis/zbpxz_tabs.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/common/grid_view.h"
#include "gui/trend/chart_view.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

// Row 0 the draw numbers, rows 1..5 the marks.
class SignalModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void Set(std::vector<SignalColumn> columns, RunSignal signal, bool words) {
    beginResetModel();
    columns_ = std::move(columns);
    signal_ = signal;
    words_ = words;
    endResetModel();
  }
  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 6; }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const SignalColumn& c = columns_[index.column()];
    if (role == Qt::TextAlignmentRole) return Qt::AlignCenter;
    if (role == Qt::ForegroundRole && index.row() > 0)
      return c.marks[index.row() - 1] == 1 ? QColor(Qt::red) : QColor(Qt::blue);
    if (role != Qt::DisplayRole) return {};
    if (index.row() == 0) return c.qs ? QString::fromStdString(IssueText(c.qs)) : QString();
    return QString::fromStdString(MarkText(signal_, c.marks[index.row() - 1], words_));
  }

 private:
  std::vector<SignalColumn> columns_;
  RunSignal signal_ = RunSignal::RiseFall;
  bool words_ = false;
};

class RunChartTab : public ChartTab {
 public:
  RunChartTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent)
      : ChartTab(z, "im_ftc", s, parent) {
    auto* base = new QGroupBox(QStringLiteral("K线图类型"), this);
    auto* baseRow = new QHBoxLayout(base);
    bases_ = new QButtonGroup(this);
    const char* baseNames[] = {"rb_ftc_cgt", "rb_ftc_wst", "rb_ftc_yst",
                               "rb_ftc_zft", "rb_ftc_ylt", "rb_ftc_ylzft"};
    const char* baseCaptions[] = {"常规图", "尾数图", "除", "振幅图", "遗漏图", "遗漏振幅图"};
    for (int i = 0; i < 6; ++i) {
      auto* rb = new QRadioButton(QString::fromUtf8(baseCaptions[i]), base);
      rb->setObjectName(baseNames[i]);
      bases_->addButton(rb, i);
      baseRow->addWidget(rb);
      if (i == 2) {
        divisor_ = new QComboBox(base);
        divisor_->setObjectName("cb_ftc_ysd");
        for (int n = 2; n <= 20; ++n) divisor_->addItem(QString::number(n));
        baseRow->addWidget(divisor_);
        baseRow->addWidget(new QLabel(QStringLiteral("余数"), base));
      }
    }
    auto* signal = new QGroupBox(QStringLiteral("信号图类型"), this);
    auto* signalRow = new QHBoxLayout(signal);
    signalGroup_ = new QButtonGroup(this);
    const char* signalNames[] = {"rb_ftc_sjt", "rb_ftc_jot", "rb_ftc_zht", "rb_ftc_dxt"};
    const char* signalCaptions[] = {"升降图", "奇偶图", "质合图", "大小图"};
    for (int i = 0; i < 4; ++i) {
      auto* rb = new QRadioButton(QString::fromUtf8(signalCaptions[i]), signal);
      rb->setObjectName(signalNames[i]);
      signalGroup_->addButton(rb, i);
      signalRow->addWidget(rb);
    }
    threshold_ = new QComboBox(signal);
    threshold_->setObjectName("cb_ftc_dxd");
    for (int n = 1; n <= 1000; ++n) threshold_->addItem(QString::number(n));
    signalRow->addWidget(threshold_);
    style_ = new QComboBox(this);
    style_->setObjectName("cb_ftc_showstyle");
    style_->addItems({QStringLiteral("符号表示"), QStringLiteral("文字表示")});
    auto* transfer = NamedButton(this, "b_ftc_filter", QStringLiteral("过滤设置"));
    Controls()->addWidget(base);
    Controls()->addWidget(signal);
    Controls()->addWidget(style_);
    Controls()->addWidget(transfer);
    Controls()->addStretch(1);

    bar_ = new QScrollBar(Qt::Horizontal, this);
    bar_->setObjectName("sb_ftc_kxd");
    PagingRow()->addWidget(bar_, 1);
    model_ = new SignalModel(this);
    grid_ = new QTableView(this);
    grid_->setObjectName("sg_ftc_signal");
    grid_->setModel(model_);
    SetUpGridView(grid_, z_.app.shell, 18);
    grid_->horizontalHeader()->hide();
    grid_->horizontalHeader()->setDefaultSectionSize(66);
    grid_->setFixedHeight(6 * 18 + 22);
    static_cast<QVBoxLayout*>(layout())->addWidget(grid_);

    connect(bases_, &QButtonGroup::idClicked, this, [this] { BaseChanged(); });
    connect(divisor_, &QComboBox::currentIndexChanged, this, [this] {
      if (bases_->checkedId() == static_cast<int>(RunBase::Remainder)) BaseChanged();
    });
    connect(signalGroup_, &QButtonGroup::idClicked, this, [this] { Fill(); });
    connect(threshold_, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
    connect(style_, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
    connect(bar_, &QScrollBar::valueChanged, this, [this](int v) {
      DrawTable& table = z_.Table();
      if (table.Empty()) return;
      table.SetPosition(std::clamp(v, 0, table.RecordCount() - 1));
      ChartTab::Fill();
    });
    connect(transfer, &QPushButton::clicked, this, [this] { Transfer(); });
  }

  // "常规图" and "升降图" again.
  void Reset() override {
    bases_->button(0)->setChecked(true);
    signalGroup_->button(0)->setChecked(true);
    Compute();
    SetThreshold();
  }

  void Fill() override {
    Compute();
    const std::vector<bool> bits = SignalBits(run_.values, Signal(), Threshold());
    model_->Set(SignalGrid(z_.Table().Draws(), bits), Signal(), style_->currentIndex() == 1);
    // The grid ends on its last column.
    if (const int columns = model_->columnCount(); columns > 0)
      grid_->scrollTo(model_->index(0, columns - 1));
    const QSignalBlocker quiet(bar_);
    bar_->setRange(0, z_.Table().RecordCount());
    bar_->setValue(z_.Anchor());
    ChartTab::Fill();
  }

  void ScrollStep(bool forward) override {
    DrawTable& table = z_.Table();
    if (table.Empty()) return;
    if (forward && table.Position() + kPageSpan >= table.RecordCount() - 1) return;
    table.MoveBy(forward ? 1 : -1);
    Fill();
  }

 protected:
  Chart Build(int width, int height, const TextMetrics& metrics) override {
    if (z_.Table().Empty()) return {};
    return RunSeriesChart(z_.ViewAt(kPageSpan, width, height), run_,
                          z_.caption.toStdString() + run_.suffix, metrics);
  }

 private:
  RunBaseChoice Base() const {
    return {static_cast<RunBase>(std::max(bases_->checkedId(), 0)),
            divisor_->currentText().toInt()};
  }
  RunSignal Signal() const {
    return static_cast<RunSignal>(std::max(signalGroup_->checkedId(), 0));
  }
  int32_t Threshold() const { return threshold_->currentText().toInt(); }

  // The base series of every draw, kept in the scratch field `temp`.
  void Compute() {
    run_ = ComputeRunSeries(z_.Series(), Base(), z_.from, z_.to);
    DrawTable& table = z_.Table();
    for (size_t i = 0; i < run_.values.size(); ++i)
      table.SetScratch(ScratchField::Temp, static_cast<int>(i), run_.values[i]);
  }

  void SetThreshold() {
    const QSignalBlocker quiet(threshold_);
    // The list offers 1..1000 and grows as far as a larger series needs.
    for (int n = threshold_->count() + 1; n <= run_.threshold; ++n)
      threshold_->addItem(QString::number(n));
    threshold_->setCurrentIndex(run_.threshold - 1);
  }

  void BaseChanged() {
    Compute();
    SetThreshold();
    Fill();
  }

  void Transfer() {
    const std::string text = AnalysedText(z_.key, z_.formula);
    if (text.empty()) {
      z_.app.shell.Inform(this, QString::fromUtf8(kNotTransferable));
      return;
    }
    auto* dialog = z_.app.windows ? z_.app.windows->Get<Tf_filter_zbpxz>() : nullptr;
    if (!dialog || run_.values.empty()) return;
    dialog->Prepare(run_.shownMin, run_.shownMax);
    if (z_.app.shell.ExecDialog(*dialog) != QDialog::Accepted) return;
    const TransferOptions options = dialog->Options();
    const TransferValues allowed = AllowedValues(options, run_.values.back());
    if (!allowed.ok()) {
      z_.app.shell.Inform(this, QString::fromStdString(allowed.error));
      return;
    }
    TransferToGenerator(z_.app, this, TransferFormula(text, Base()), allowed.values,
                        options.tolerant);
  }

  QButtonGroup* bases_ = nullptr;
  QButtonGroup* signalGroup_ = nullptr;
  QComboBox* divisor_ = nullptr;
  QComboBox* threshold_ = nullptr;
  QComboBox* style_ = nullptr;
  QScrollBar* bar_ = nullptr;
  SignalModel* model_ = nullptr;
  QTableView* grid_ = nullptr;
  RunSeries run_;
};

}  // namespace

ZbpxzTab* MakeRunChartTab(ZbpxzContext& z, AutoScroller& s, QWidget* parent) {
  return new RunChartTab(z, s, parent);
}

}  // namespace dlt::gui
