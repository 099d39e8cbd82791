#include "gui/trend/fxd_omission_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "chart/column_order.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/common/grid_view.h"
#include "gui/trend/fxd_derived_tools.h"
#include "gui/trend/legend_bar.h"
#include "gui/trend/omission_grid_model.h"
#include "gui/trend/tf_bluefxd.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

// The object names of one grid page's controls.
struct PageNames {
  const char* grid;
  const char* from;
  const char* to;
  const char* partitions;
  int defaultPartitions;
  const char* order;  // empty: natural order only
  const char* filter;
  const char* refresh;
  std::vector<std::pair<const char*, const char*>> zones;  // radio name, caption
};

PageNames NamesOf(GridPageKind kind) {
  switch (kind) {
    case GridPageKind::Front:
      return {"sg_zhyltb",
              "cb_zhyltb_startfrom",
              "cb_zhyltb_to",
              "cb_fq",
              3,
              "cb_sortaccofq",
              "cb_specshow",
              "b_zhyltb",
              {{"rb_show_zh", "主号"}, {"rb_show_spec", "副号"}, {"rb_show_zhspec", "主号和副号"}}};
    case GridPageKind::Back:
      return {"sg_fqyltb", "cb_fqyltb_startfrom", "cb_fqyltb_to", "cb_f_fq", 2,
              "",          "cb_f_specshow",       "b_fqyltb",     {}};
    case GridPageKind::Tail:
      break;
  }
  return {"sg_ws_zqyltb",
          "cb_ws_startfrom",
          "cb_ws_to",
          "cb_ws_fq",
          2,
          "cb_ws_sortaccofq",
          "cb_ws_specshow",
          "b_ws_zqyltb",
          {{"rb_ws_show_zh", "主号"}, {"rb_ws_show_zhspec", "主号和特别号"}}};
}

const QString kForecastItem = QString::number(kForecastQs);

// The switch of the rows of chance and the label of the fit under the grid.
std::pair<const char*, const char*> ChanceNames(GridPageKind kind) {
  switch (kind) {
    case GridPageKind::Front:
      return {"cb_zhyltb_expected", "l_zhyltb_fit"};
    case GridPageKind::Back:
      return {"cb_fqyltb_expected", "l_fqyltb_fit"};
    case GridPageKind::Tail:
      break;
  }
  return {"cb_ws_expected", "l_ws_fit"};
}

}  // namespace

OmissionGridPage::OmissionGridPage(FxdContext& fxd, GridPageKind kind, QWidget* parent)
    : FxdPage(parent), fxd_(fxd) {
  look_.kind = kind;
  const PageNames names = NamesOf(kind);
  auto* layout = new QVBoxLayout(this);
  model_ = new OmissionGridModel(this);
  grid_ = new QTableView(this);
  grid_->setObjectName(names.grid);
  grid_->setModel(model_);
  grid_->setItemDelegate(new OmissionGridDelegate(*model_, fxd_, look_, grid_));
  SetUpGridView(grid_, fxd_.app.shell, FontRowHeight(grid_));
  grid_->horizontalHeader()->setStyleSheet(GridHeaderStyle());
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->setShowGrid(true);
  grid_->viewport()->installEventFilter(this);
  layout->addWidget(grid_, 1);
  legend_ = new LegendBar((names.grid + std::string("_legend")).c_str(), &fxd_.sprites, this);
  layout->addWidget(legend_);
  const auto [chanceBox, fitLabel] = ChanceNames(kind);
  fit_ = new QLabel(this);
  fit_->setObjectName(fitLabel);
  fit_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  fit_->hide();
  layout->addWidget(fit_);

  auto* box = new QGroupBox(this);
  auto* row = new QHBoxLayout(box);
  from_ = NamedCombo(box, names.from);
  to_ = NamedCombo(box, names.to);
  row->addWidget(from_);
  row->addWidget(new QLabel(QStringLiteral("<=分析区域<="), box));
  row->addWidget(to_);
  row->addSpacing(12);
  row->addWidget(new QLabel(QStringLiteral("分区"), box));
  partitions_ = NamedCombo(box, names.partitions);
  for (int p = 2; p <= 15; ++p) partitions_->addItem(QString::number(p));
  partitions_->setCurrentText(QString::number(names.defaultPartitions));
  row->addWidget(partitions_);
  if (*names.order) {
    row->addWidget(new QLabel(QStringLiteral("按类型排序"), box));
    order_ = NamedCombo(box, names.order);
    for (const std::string& t : ColumnOrderTexts()) order_->addItem(QString::fromStdString(t));
    row->addWidget(order_);
  }
  row->addWidget(new QLabel(QStringLiteral("按类型显示"), box));
  filter_ = NamedCombo(box, names.filter);
  for (const std::string& t : TypeFilterTexts()) filter_->addItem(QString::fromStdString(t));
  row->addWidget(filter_);
  if (!names.zones.empty()) {
    zone_ = new QButtonGroup(this);
    for (size_t i = 0; i < names.zones.size(); ++i) {
      auto* rb = new QRadioButton(QString::fromUtf8(names.zones[i].second), box);
      rb->setObjectName(names.zones[i].first);
      zone_->addButton(rb, static_cast<int>(i));
      row->addWidget(rb);
    }
    zone_->button(0)->setChecked(true);
    connect(zone_, &QButtonGroup::idClicked, this, [this] { Fill(); });
  }
  chance_ = new QCheckBox(QStringLiteral("显示期望值"), box);
  chance_->setObjectName(chanceBox);
  chance_->setToolTip(QStringLiteral(
      "在统计行下加上纯属偶然时的期望次数、偏差（标准差倍数）、期望遗漏和本次遗漏的概率，"
      "并在表下给出χ²拟合检验"));
  connect(chance_, &QCheckBox::toggled, this, [this] { Fill(); });
  row->addWidget(chance_);
  auto* refresh = NamedButton(box, names.refresh, QStringLiteral("刷新"));
  connect(refresh, &QPushButton::clicked, this, [this] { Fill(); });
  row->addWidget(refresh);
  if (kind == GridPageKind::Back) {
    // The back-zone window "蓝球分析" opens from here.
    auto* blue = NamedButton(box, "b_bluefxd", QStringLiteral("副区分析"));
    connect(blue, &QPushButton::clicked, this, [this] {
      if (auto* w = fxd_.app.windows ? fxd_.app.windows->Get<Tf_bluefxd>() : nullptr) {
        w->show();
        w->raise();
        w->activateWindow();
      }
    });
    row->addWidget(blue);
  }
  row->addStretch();
  layout->addWidget(box);
  for (QComboBox* c : {from_, to_, partitions_, order_, filter_})
    if (c) connect(c, &QComboBox::currentIndexChanged, this, [this] { Fill(); });

  if (kind == GridPageKind::Front) {
    pm2_ = new QMenu(this);
    pm2_->setObjectName("pm2");
    const struct {
      const char* name;
      const char* caption;
      void (OmissionGridPage::*slot)();
    } items[] = {{"n_clearxh", "清除选号区", &OmissionGridPage::ClearSelection},
                 {"n_xhtoyc", "将选号导入到预测区", &OmissionGridPage::ImportSelection},
                 {"n_clearyc", "清除预测区", &OmissionGridPage::ClearForecast}};
    for (const auto& item : items) {
      QAction* a = pm2_->addAction(QString::fromUtf8(item.caption));
      a->setObjectName(item.name);
      connect(a, &QAction::triggered, this, item.slot);
    }
  }
}

OmissionGridSetup OmissionGridPage::SetupFromControls() const {
  OmissionGridSetup setup;
  const int zone = zone_ ? zone_->checkedId() : 0;
  switch (look_.kind) {
    case GridPageKind::Front:
      setup.kind = zone == 1   ? OmissionGridKind::FrontBackNumbers
                   : zone == 2 ? OmissionGridKind::FrontWithBack
                               : OmissionGridKind::Front;
      break;
    case GridPageKind::Back:
      setup.kind = OmissionGridKind::Back;
      break;
    case GridPageKind::Tail:
      setup.kind = zone == 1 ? OmissionGridKind::TailWithBack : OmissionGridKind::Tail;
      break;
  }
  // The boxes list issues; an issue not in the history (stale after an edit) falls back to its
  // place.
  const DrawTable& table = fxd_.Table();
  auto indexOf = [&](const QComboBox* box) {
    const int i = table.IndexOf(box->currentText().toInt());
    return i >= 0 ? i : box->currentIndex();
  };
  setup.first = indexOf(from_);
  setup.last = indexOf(to_);
  setup.order = order_ ? order_->currentIndex() : 0;
  setup.partitions = partitions_->currentText().toInt();
  return setup;
}

void OmissionGridPage::Fill() {
  const OmissionGridSetup setup = SetupFromControls();
  look_.typeFilter = filter_->currentIndex();
  look_.backNumbers = setup.kind == OmissionGridKind::FrontBackNumbers;
  OmissionGrid grid = ComputeOmissionGrid(fxd_.Table().Draws(), setup);
  legend_->SetEntries(ShadingLegend(ShadesTypeGroups(setup)));
  std::optional<TallyChance> chance;
  if (chance_->isChecked()) chance = GridChance(grid, setup.kind);
  fit_->setVisible(chance.has_value());
  if (chance)
    fit_->setText(QStringLiteral("与纯属偶然相比（拟合检验，p越小越不像偶然）：") +
                  QString::fromStdString(FitText(chance->fit)));
  model_->SetGrid(std::move(grid), std::move(chance));
  SetColumnWidths();
  const QModelIndex last = model_->index(model_->rowCount() - 1, 1);
  grid_->setCurrentIndex(last);
  grid_->scrollToBottom();
  grid_->setFocus();
}

void OmissionGridPage::SetColumnWidths() {
  const QFontMetrics fm = grid_->fontMetrics();
  const int columns = model_->Grid().Columns();
  const int issue = fm.horizontalAdvance(QStringLiteral("2009001")) + 16;
  grid_->setColumnWidth(0, issue);
  const int client = grid_->viewport()->width();
  int drawColumn = 0, value = 64;
  switch (look_.kind) {
    case GridPageKind::Front:
      drawColumn = fm.horizontalAdvance(QStringLiteral("01 02 03 04 05 06 07 08")) + 20;
      value = (client - issue - drawColumn) / std::max(columns, 1) - 1;
      break;
    case GridPageKind::Back:
      drawColumn = fm.horizontalAdvance(QStringLiteral("01 02 03 04 05 06")) + 20;
      value = (client - issue) / 12 - 10;
      break;
    case GridPageKind::Tail:
      drawColumn = fm.horizontalAdvance(QStringLiteral("0 1 2 3 4 5 6 7 8 9")) + 20;
      break;
  }
  // The columns share the width; a narrow window still shows two digits.
  value = std::max(value, fm.horizontalAdvance(QStringLiteral("99")) + 6);
  for (int c = 1; c <= columns; ++c) grid_->setColumnWidth(c, value);
  grid_->setColumnWidth(model_->DrawColumn(), drawColumn);
}

void OmissionGridPage::FillIssueLists() {
  FillIssueRange(fxd_.Table(), from_, to_);
}

void OmissionGridPage::SyncForecastItem() {
  const QSignalBlocker block(to_);
  const bool exists = fxd_.Table().HasForecast();
  const bool listed = to_->count() > 0 && to_->itemText(to_->count() - 1) == kForecastItem;
  if (exists && !listed) to_->addItem(kForecastItem);
  if (!exists && listed) to_->removeItem(to_->count() - 1);
  to_->setCurrentIndex(to_->count() - 1);
}

void OmissionGridPage::ScrollStep(bool down) {
  QScrollBar* bar = grid_->verticalScrollBar();
  bar->setValue(bar->value() + (down ? 1 : -1));
}

void OmissionGridPage::ClearSelection() {
  fxd_.selection.ClearValues();
  grid_->viewport()->update();
}

void OmissionGridPage::ImportSelection() {
  const std::optional<Draw> forecast = ForecastOfSelection(fxd_.selection);
  if (!forecast) {
    fxd_.app.shell.Inform(this, QStringLiteral("选号区红号个数应为") +
                                    QString::number(Draw{}.front.size()) + QStringLiteral("个"));
    return;
  }
  {
    CursorGuard keep(fxd_.Table());
    fxd_.Table().WriteForecast(*forecast);
  }
  emit forecastChanged();
}

void OmissionGridPage::ClearForecast() {
  DrawTable& table = fxd_.Table();
  if (!table.HasForecast()) return;
  table.DeleteForecast();
  emit forecastChanged();
}

void OmissionGridPage::ClickSelectionRow(int column, bool left, QPoint globalPos) {
  const int value = model_->ValueOf(column);
  if (look_.kind == GridPageKind::Front) {
    if (!left) {
      pm2_->popup(globalPos + QPoint(5, 0));
      return;
    }
    fxd_.selection.Toggle(value);
  } else if (look_.kind == GridPageKind::Tail) {
    if (left)
      fxd_.selection.CycleTail(value);
    else
      fxd_.selection.ClearTails();
  }
  grid_->viewport()->update();
}

bool OmissionGridPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonPress) {
    auto* e = static_cast<QMouseEvent*>(event);
    const QModelIndex index = grid_->indexAt(e->position().toPoint());
    const bool left = e->button() == Qt::LeftButton;
    const bool selectable = look_.kind != GridPageKind::Back && index.isValid() &&
                            index.row() == model_->SelectionRow() &&
                            model_->IsValueColumn(index.column());
    if (selectable) {
      ClickSelectionRow(index.column(), left, e->globalPosition().toPoint());
    } else if (e->button() == Qt::RightButton) {
      fxd_.OpenDisplayMenu(e->globalPosition().toPoint());
      return true;
    }
  }
  return FxdPage::eventFilter(watched, event);
}

}  // namespace dlt::gui
