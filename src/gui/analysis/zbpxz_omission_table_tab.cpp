// 遗漏分布图表: the omission-distribution grid sg_ylfbd over a range of draws.
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QVBoxLayout>

#include "chart/column_order.h"
#include "gui/analysis/omission_table_model.h"
#include "gui/analysis/zbpxz_context.h"
#include "gui/analysis/zbpxz_tabs.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/common/auto_scroller.h"
#include "gui/common/grid_view.h"
#include "history/draw_table.h"
#include "trend/distribution_chart.h"

namespace dlt::gui {
namespace {

class OmissionTableTab : public ZbpxzTab {
 public:
  OmissionTableTab(ZbpxzContext& z, QWidget* parent) : ZbpxzTab(z, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    model_ = new OmissionTableModel(this);
    grid_ = new OmissionTableView(*model_, look_, this);
    grid_->setObjectName("sg_ylfbd");
    grid_->setModel(model_);
    grid_->setItemDelegate(new OmissionTableDelegate(*model_, z_.sprites, look_, this));
    SetUpGridView(grid_, z_.app.shell, 20);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(grid_, 1);

    scroller_ = new AutoScroller(this, "pm1", "t_ylfbd_scroll", true,
                                 [this](bool down) { ScrollStep(down); });
    auto* display = new QActionGroup(this);
    QMenu* menu = scroller_->Menu();
    QAction* first = menu->actions().first();
    const auto& modes = DisplayModeTexts();
    for (size_t i = 0; i < modes.size(); ++i) {
      auto* a = new QAction(QString::fromStdString(modes[i]), menu);
      a->setObjectName(QStringLiteral("pm1_mode%1").arg(i));
      a->setCheckable(true);
      a->setChecked(i == 0);
      display->addAction(a);
      menu->insertAction(first, a);
      const int mode = static_cast<int>(i);
      connect(a, &QAction::triggered, this, [this, mode] {
        look_.displayMode = mode;
        grid_->viewport()->update();
      });
    }
    menu->insertSeparator(first);
    menu->addSeparator();
    menu->addActions(grid_->actions());
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { scroller_->Menu()->popup(grid_->viewport()->mapToGlobal(at)); });

    auto* row = new QHBoxLayout;
    from_ = Combo("cb_ylfbd_startfrom");
    to_ = Combo("cb_ylfbd_to");
    row->addWidget(from_);
    row->addWidget(new QLabel(QStringLiteral("<=分析区域<="), this));
    row->addWidget(to_);
    order_ = Combo("cb_sortaccofq");
    for (const std::string& t : ColumnOrderTexts()) order_->addItem(QString::fromStdString(t));
    specShow_ = Combo("cb_specshow");
    for (const std::string& t : TypeFilterTexts()) specShow_->addItem(QString::fromStdString(t));
    zones_ = Combo("cb_fq");
    for (int k = 2; k <= 15; ++k) zones_->addItem(QString::number(k));
    zones_->setCurrentText(QStringLiteral("3"));
    width_ = Combo("cb_ylfbd_cell_width");
    for (int w = 10; w <= 40; ++w) width_->addItem(QString::number(w));
    width_->setCurrentText(QStringLiteral("20"));
    polyline_ = new QCheckBox(QStringLiteral("显示折线图"), this);
    polyline_->setObjectName("cb_showzx");
    auto* refresh = NamedButton(this, "b_ylfbd_refresh", QStringLiteral("刷新"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{order_, specShow_, zones_, width_, polyline_, refresh})
      row->addWidget(w);
    row->addStretch(1);
    layout->addLayout(row);

    // Every picker recomputes; "刷新" rebuilds with the statistics as they are.
    for (QComboBox* b : {from_, to_, order_})
      connect(b, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
    connect(specShow_, &QComboBox::currentIndexChanged, this, [this](int i) {
      look_.typeFilter = i;
      grid_->viewport()->update();
    });
    connect(zones_, &QComboBox::currentIndexChanged, this, [this] {
      look_.zones = zones_->currentText().toInt();
      grid_->viewport()->update();
    });
    connect(width_, &QComboBox::currentIndexChanged, this, [this] { ApplyWidths(); });
    connect(polyline_, &QCheckBox::toggled, this, [this](bool on) {
      look_.polyline = on;
      grid_->viewport()->update();
    });
    connect(refresh, &QPushButton::clicked, this, [this] { Fill(); });
  }

  void Reset() override {
    const QStringList issues = z_.IssueTexts();
    FillIssuePicker(from_, issues, true);
    FillIssuePicker(to_, issues, false);
  }

  void Fill() override {
    const DrawTable& table = z_.Table();
    OmissionDistributionSetup setup;
    const int count = table.RecordCount();
    setup.first = PickedDraw(from_, table, 0);
    setup.last = PickedDraw(to_, table, count - 1);
    setup.from = z_.from;
    setup.to = z_.to;
    setup.order = std::max(order_->currentIndex(), 0);
    OmissionDistribution t = ComputeOmissionDistribution(table.Draws(), z_.Series(), setup);
    if (!t.ok()) {
      model_->SetTable({});
      if (isVisible()) z_.app.shell.Inform(this, QString::fromStdString(t.error));
      return;
    }
    model_->SetTable(std::move(t));
    ApplyWidths();
    // The grid ends on the first value column of the last draw row.
    if (model_->DrawRows() > 0) {
      const QModelIndex last =
          model_->index(model_->DrawRows() - 1, OmissionTableModel::kFixedColumns);
      grid_->setCurrentIndex(last);
      grid_->scrollTo(last);
    }
  }

  void ScrollStep(bool down) override {
    QScrollBar* bar = grid_->verticalScrollBar();
    bar->setValue(bar->value() + (down ? 1 : -1));
  }

  void Leave() override { scroller_->Stop(); }

 private:
  QComboBox* Combo(const char* name) {
    auto* b = new QComboBox(this);
    b->setObjectName(name);
    return b;
  }

  void ApplyWidths() {
    const int w = width_->currentText().toInt();
    grid_->setColumnWidth(0, 64);
    grid_->setColumnWidth(1, 170);
    grid_->setColumnWidth(2, 50);
    for (int c = OmissionTableModel::kFixedColumns; c < model_->columnCount(); ++c)
      grid_->setColumnWidth(c, w);
  }

  OmissionTableModel* model_ = nullptr;
  OmissionTableView* grid_ = nullptr;
  OmissionTableLook look_;
  AutoScroller* scroller_ = nullptr;
  QComboBox* from_ = nullptr;
  QComboBox* to_ = nullptr;
  QComboBox* order_ = nullptr;
  QComboBox* specShow_ = nullptr;
  QComboBox* zones_ = nullptr;
  QComboBox* width_ = nullptr;
  QCheckBox* polyline_ = nullptr;
};

}  // namespace

ZbpxzTab* MakeOmissionTableTab(ZbpxzContext& z, QWidget* parent) {
  return new OmissionTableTab(z, parent);
}

}  // namespace dlt::gui
