// 特性图表: the class of every draw's value under the chosen components, a
// column per class, over a range of draws.
#include <QAbstractTableModel>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "analysis/characteristic.h"
#include "chart/tcoordinate.h"
#include "gui/analysis/zbpxz_context.h"
#include "gui/analysis/zbpxz_scroller.h"
#include "gui/analysis/zbpxz_tabs.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_fqfw.h"
#include "gui/generator/tf_zj1.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

struct TraitColumn {
  QString component;  // on the first class column of a component only
  QString label;
  int group = 0;
  int firstColumn = 0;  // of its component
  Component kind;
  int classIndex = 0;
};

// Rows: the draws of the range, then the header row again.
class TraitTableModel : public QAbstractTableModel {
 public:
  TraitTableModel(ZbpxzContext& z, QObject* parent) : QAbstractTableModel(parent), z_(z) {}

  void Rebuild(const tzbpxz_zj1& components, int first, int last) {
    beginResetModel();
    columns_.clear();
    for (int r = 1; r <= components.count; ++r) {
      const std::string& name = components.rows[r].name;
      const Component c = ComponentOfName(name);
      const std::vector<std::string> labels = ComponentClassLabels(c);
      const int start = static_cast<int>(columns_.size());
      for (size_t k = 0; k < labels.size(); ++k)
        columns_.push_back({k == 0 ? QString::fromStdString(name) : QString(),
                            QString::fromStdString(labels[k]), r - 1, start, c,
                            static_cast<int>(k)});
    }
    first_ = first;
    last_ = last;
    endResetModel();
  }

  int DrawRows() const { return last_ >= first_ ? last_ - first_ + 1 : 0; }
  bool Marked(int row, int column) const {
    if (row >= DrawRows() || column < 2) return false;
    const TraitColumn& c = columns_[column - 2];
    const int32_t v = z_.Series()[first_ + row];
    return ComponentClassOf(c.kind, v, z_.from, z_.to) == c.classIndex;
  }
  int GroupOf(int column) const { return column < 2 ? -1 : columns_[column - 2].group; }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() || z_.Table().Empty() ? 0 : DrawRows() + 1;
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : 2 + static_cast<int>(columns_.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const int row = index.row(), col = index.column();
    if (row == DrawRows()) return Heading(col, false);
    const int d = first_ + row;
    if (col == 0) return QString::fromStdString(IssueText(z_.Table().Draws()[d].qs));
    if (col == 1) return z_.Series()[d];
    return Marked(row, col) ? columns_[col - 2].label : QString();
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return Heading(section, true);
  }

 private:
  QString Heading(int col, bool twoLines) const {
    if (col == 0) return QStringLiteral("期号");
    if (col == 1) return QStringLiteral("指标值");
    const TraitColumn& c = columns_[col - 2];
    if (!twoLines) return c.label;
    return c.component + "\n" + c.label;
  }

  ZbpxzContext& z_;
  std::vector<TraitColumn> columns_;
  int first_ = 0, last_ = -1;
};

class TraitDelegate : public QStyledItemDelegate {
 public:
  TraitDelegate(const TraitTableModel& model, const SpritePainter& sprites, QObject* parent)
      : QStyledItemDelegate(parent), model_(model), sprites_(sprites) {}
  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QRect cell = option.rect;
    const int group = model_.GroupOf(index.column());
    p->save();
    p->fillRect(cell, group < 0   ? QColor(Qt::white)
                      : group % 2 ? QColor(231, 239, 255)
                                  : QColor(255, 219, 247));
    const QString text = index.data().toString();
    if (index.row() == model_.DrawRows()) {
      p->fillRect(cell, QColor(255, 203, 179));
      p->drawText(cell, Qt::AlignCenter, text);
    } else if (model_.Marked(index.row(), index.column())) {
      sprites_.Paint(*p, cell, SpritePainter::kBall, group % 2);
      p->setPen(Qt::white);
      p->drawText(cell, Qt::AlignCenter, text);
    } else {
      p->setPen(index.column() == 0 ? Qt::blue : Qt::black);
      p->drawText(cell, Qt::AlignCenter, text);
    }
    p->restore();
  }

 private:
  const TraitTableModel& model_;
  const SpritePainter& sprites_;
};

class TraitTableTab : public ZbpxzTab {
 public:
  TraitTableTab(ZbpxzContext& z, QWidget* parent) : ZbpxzTab(z, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    model_ = new TraitTableModel(z_, this);
    grid_ = new QTableView(this);
    grid_->setObjectName("sg_txd");
    grid_->setModel(model_);
    grid_->setItemDelegate(new TraitDelegate(*model_, z_.sprites, this));
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(grid_, 1);
    scroller_ = new ZbpxzScroller(this, "pm_txd", "t_txd_scroll", true,
                                  [this](bool down) { ScrollStep(down); });
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { scroller_->Menu()->popup(grid_->viewport()->mapToGlobal(at)); });

    auto* row = new QHBoxLayout;
    from_ = new QComboBox(this);
    from_->setObjectName("cb_txd_startfrom");
    to_ = new QComboBox(this);
    to_->setObjectName("cb_txd_to");
    width_ = new QComboBox(this);
    width_->setObjectName("cb_txd_cell_width");
    for (int w = 10; w <= 40; ++w) width_->addItem(QString::number(w));
    width_->setCurrentText(QStringLiteral("20"));
    auto* refresh = NamedButton(this, "b_txd_refresh", QStringLiteral("刷新"));
    auto* components = NamedButton(this, "b_txd_set", QStringLiteral("组件设置  "));
    auto* range = NamedButton(this, "b_txd_fqfw", QStringLiteral("分区及范围  "));
    row->addWidget(from_);
    row->addWidget(new QLabel(QStringLiteral("<=分析区域<="), this));
    row->addWidget(to_);
    row->addWidget(width_);
    row->addWidget(refresh);
    row->addWidget(components);
    row->addWidget(range);
    row->addStretch(1);
    layout->addLayout(row);
    for (QComboBox* b : {from_, to_})
      connect(b, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
    connect(width_, &QComboBox::currentIndexChanged, this, [this] { ApplyWidths(); });
    connect(refresh, &QPushButton::clicked, this, [this] { Fill(); });
    connect(components, &QPushButton::clicked, this, [this] {
      if (auto* dialog = z_.app.windows ? z_.app.windows->Get<Tf_zj1>() : nullptr) {
        z_.app.shell.ExecDialog(*dialog);
        Fill();
      }
    });
    connect(range, &QPushButton::clicked, this, [this] {
      auto* dialog = z_.app.windows ? z_.app.windows->Get<Tf_fqfw>() : nullptr;
      if (!dialog) return;
      dialog->SetRange(z_.from, z_.to);
      z_.app.shell.ExecDialog(*dialog);
      z_.from = std::min(dialog->From(), dialog->To());
      z_.to = std::max(dialog->From(), dialog->To());
      Fill();
    });
  }

  void Reset() override {
    const QStringList issues = z_.IssueTexts();
    FillIssuePicker(from_, issues, true);
    FillIssuePicker(to_, issues, false);
  }

  void Fill() override {
    const DrawTable& table = z_.Table();
    const int count = table.RecordCount();
    const DrawRange w =
        RangeBetween(count, PickedDraw(from_, table, 0), PickedDraw(to_, table, count - 1));
    model_->Rebuild(z_.app.shapeClasses, w.First(), w.last);
    ApplyWidths();
    grid_->scrollToBottom();
  }

  void ScrollStep(bool down) override {
    QScrollBar* bar = grid_->verticalScrollBar();
    bar->setValue(bar->value() + (down ? 1 : -1));
  }

  void Leave() override { scroller_->Stop(); }

 private:
  void ApplyWidths() {
    const int w = width_->currentText().toInt();
    grid_->setColumnWidth(0, 64);
    grid_->setColumnWidth(1, 50);
    for (int c = 2; c < model_->columnCount(); ++c) grid_->setColumnWidth(c, w);
  }

  TraitTableModel* model_ = nullptr;
  QTableView* grid_ = nullptr;
  ZbpxzScroller* scroller_ = nullptr;
  QComboBox* from_ = nullptr;
  QComboBox* to_ = nullptr;
  QComboBox* width_ = nullptr;
};

}  // namespace

ZbpxzTab* MakeTraitTableTab(ZbpxzContext& z, QWidget* parent) {
  return new TraitTableTab(z, parent);
}

}  // namespace dlt::gui
