#include "gui/trend/fxd_matrix_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/common/paging_bar.h"
#include "gui/killnum/tf_selfhns.h"
#include "gui/trend/chart_view.h"
#include "gui/trend/fxd_matrix_filters.h"
#include "gui/trend/legend_bar.h"
#include "history/draw_table.h"
#include "trend/matrix_layout.h"

namespace dlt::gui {
namespace {

// cb_sort: the plain order, then the layout files of the data folder.
struct OrderItem {
  const char* caption;
  const char* file;  // relative to the data folder; "" for the plain order
};
constexpr OrderItem kOrderItems[] = {{"常规行列式", ""},
                                     {"内旋行列式", "database/lx.hls"},
                                     {"外旋行列式", "database/wx.hls"},
                                     {"自定义行列式一", "database/selfhls1.hls"},
                                     {"自定义行列式二", "database/selfhls2.hls"},
                                     {"自定义行列式三", "database/selfhls3.hls"}};
constexpr int kOwnOrderItem = 6;  // "自定义行列式": designed, random or loaded
const QString kOwnOrderCaption = QStringLiteral("自定义行列式");
const QString kLayoutFilter = QStringLiteral("行列式排列顺序格式文件(*.hls)");

constexpr const char* kSizeRadios[] = {"rb_66", "rb_57",  "rb_75",  "rb_49",
                                       "rb_94", "rb_312", "rb_123", "rb_selfsize"};
constexpr const char* kSizeCaptions[] = {"6 X 6", "5 X 7", "7 X5", "4 X9",
                                         "9 X4",  "3X12",  "12X3", "自定义"};
constexpr int kCustomSize = 7;
constexpr int kMatrixCounts[] = {2,  4,  6,  8,  9,  10, 12, 14, 15, 16, 18, 20,
                                 21, 22, 24, 25, 26, 27, 28, 30, 32, 33, 34, 35,
                                 36, 38, 40, 42, 44, 45, 46, 48, 49, 50};

}  // namespace

MatrixPage::MatrixPage(FxdContext& fxd, QWidget* parent) : FxdPage(parent), fxd_(fxd) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  i_hns = new ChartView(fxd_.app.shell, &fxd_.sprites, this);
  i_hns->setObjectName("i_hns");
  i_hns->SetSource([this](int w, int h, const TextMetrics& metrics) {
    picture_ = MatrixChart(fxd_.Table().Draws(), fxd_.Anchor(), setup_, w, h, metrics);
    return picture_.chart;
  });
  i_hns->installEventFilter(this);
  layout->addWidget(i_hns, 1);
  auto* legend = new LegendBar("l_hns_legend", &fxd_.sprites, this);
  legend->SetEntries(MatrixLegend());
  layout->addWidget(legend);

  pc_hns = new QTabWidget(this);
  pc_hns->setObjectName("pc_hns");
  QWidget* operation = BuildOperationPage();
  operation->setObjectName("ts_hns_oper");
  pc_hns->addTab(operation, QStringLiteral("行列式操作"));
  filters_ = new MatrixFilterPages(fxd_, setup_, this);
  pc_hns->addTab(filters_->BuildCountPage(), QStringLiteral("行列式出号个数过滤设置"));
  pc_hns->addTab(filters_->BuildEmptyLinePage(), QStringLiteral("空行空列过滤设置"));
  pc_hns->addTab(filters_->BuildShapePage(), QStringLiteral("行列形态过滤设置"));
  connect(pc_hns, &QTabWidget::currentChanged, this,
          [this](int) { filters_->PageShown(pc_hns->currentWidget()); });
  pc_hns->setMaximumHeight(pc_hns->sizeHint().height());
  layout->addWidget(pc_hns, 0, Qt::AlignHCenter);
}

QWidget* MatrixPage::BuildOperationPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);

  auto* sizeBox = new QGroupBox(QStringLiteral("行X列"), page);
  auto* sizeRow = new QHBoxLayout(sizeBox);
  sizes_ = new QButtonGroup(this);
  for (int i = 0; i < 8; ++i) {
    auto* rb = new QRadioButton(QString::fromUtf8(kSizeCaptions[i]), sizeBox);
    rb->setObjectName(kSizeRadios[i]);
    sizes_->addButton(rb, i);
    sizeRow->addWidget(rb);
  }
  sizes_->button(0)->setChecked(true);
  cb_selfsize_col = NamedCombo(sizeBox, "cb_selfsize_col");
  cb_selfsize_row = NamedCombo(sizeBox, "cb_selfsize_row");
  for (int k = 1; k <= 33; ++k) {
    cb_selfsize_col->addItem(QString::number(k));
    cb_selfsize_row->addItem(QString::number(k));
  }
  cb_selfsize_col->setCurrentText(QStringLiteral("3"));
  cb_selfsize_row->setCurrentText(QStringLiteral("4"));
  sizeRow->addWidget(new QLabel(QStringLiteral("列"), sizeBox));
  sizeRow->addWidget(cb_selfsize_col);
  sizeRow->addWidget(new QLabel(QStringLiteral("行"), sizeBox));
  sizeRow->addWidget(cb_selfsize_row);
  grid->addWidget(sizeBox, 0, 0, 1, 2);
  connect(sizes_, &QButtonGroup::idClicked, this, &MatrixPage::SizeChosen);
  connect(cb_selfsize_col, &QComboBox::currentIndexChanged, this, &MatrixPage::CustomSizeChanged);
  connect(cb_selfsize_row, &QComboBox::currentIndexChanged, this, &MatrixPage::CustomSizeChanged);

  auto* contentBox = new QGroupBox(QStringLiteral("显示"), page);
  auto* contentRow = new QHBoxLayout(contentBox);
  content_ = new QButtonGroup(this);
  const char* contentNames[] = {"rb_xs_zh", "rb_xs_fh", "rb_xs_zfh"};
  const char* contentCaptions[] = {"主号", "副号", "主副号都显示"};
  for (int i = 0; i < 3; ++i) {
    auto* rb = new QRadioButton(QString::fromUtf8(contentCaptions[i]), contentBox);
    rb->setObjectName(contentNames[i]);
    content_->addButton(rb, i);
    contentRow->addWidget(rb);
  }
  content_->button(0)->setChecked(true);
  grid->addWidget(contentBox, 0, 2);
  connect(content_, &QButtonGroup::idClicked, this, [this] { Fill(); });

  auto* options = new QHBoxLayout;
  options->addWidget(new QLabel(QStringLiteral("排列顺序"), page));
  cb_sort = NamedCombo(page, "cb_sort");
  for (const OrderItem& item : kOrderItems) cb_sort->addItem(QString::fromUtf8(item.caption));
  options->addWidget(cb_sort);
  options->addWidget(new QLabel(QStringLiteral("显示行列式个数"), page));
  cb_hns_showqs = NamedCombo(page, "cb_hns_showqs");
  for (int k : kMatrixCounts) cb_hns_showqs->addItem(QString::number(k));
  cb_hns_showqs->setCurrentText(QStringLiteral("12"));
  options->addWidget(cb_hns_showqs);
  options->addWidget(new QLabel(QStringLiteral("每排行列式个数"), page));
  cb_hns_x_count = NamedCombo(page, "cb_hns_x_count");
  for (int k = 1; k <= 12; ++k) cb_hns_x_count->addItem(QString::number(k));
  cb_hns_x_count->setCurrentText(QStringLiteral("6"));
  options->addWidget(cb_hns_x_count);
  options->addStretch();
  grid->addLayout(options, 1, 0, 1, 3);
  connect(cb_sort, &QComboBox::currentIndexChanged, this, &MatrixPage::OrderChosen);
  for (QComboBox* box : {cb_hns_showqs, cb_hns_x_count})
    connect(box, &QComboBox::currentIndexChanged, this, [this] { Fill(); });

  auto* paging = new PagingBar(
      fxd_.Table(), {"Button3", "e_hnsqs", "Button4", "Button5", "Button13", "Button14"},
      [this] { return setup_.count; }, page);
  paging->Drive(i_hns);
  connect(paging, &PagingBar::moved, this, &MatrixPage::Fill);
  grid->addWidget(paging, 2, 0);

  auto* orders = new QHBoxLayout;
  auto* design = NamedButton(page, "b_modrandsx", QStringLiteral("自定义行列式"));
  auto* random = NamedButton(page, "b_genrandsx", QStringLiteral("产生随机顺序  "));
  auto* load = NamedButton(page, "b_loadrandsx", QStringLiteral("载入行列式"));
  b_saverandsx = NamedButton(page, "b_saverandsx", QStringLiteral("保存当前行列式"));
  b_saverandsx->setEnabled(false);
  for (QPushButton* b : {design, random, load, b_saverandsx}) orders->addWidget(b);
  grid->addLayout(orders, 2, 1, 1, 2);
  connect(design, &QPushButton::clicked, this, &MatrixPage::DesignOrder);
  connect(random, &QPushButton::clicked, this, &MatrixPage::RandomOrder);
  connect(load, &QPushButton::clicked, this, &MatrixPage::LoadOrder);
  connect(b_saverandsx, &QPushButton::clicked, this, &MatrixPage::SaveOrder);
  return page;
}

void MatrixPage::Inform(const QString& text) {
  fxd_.app.shell.Inform(this, text);
}

QString MatrixPage::LayoutPath(const QString& relative) const {
  return QString::fromStdString(fxd_.app.folder.Path(relative.toStdString()));
}

void MatrixPage::ReadDisplayBoxes() {
  setup_.count = cb_hns_showqs->currentText().toInt();
  setup_.perRow = cb_hns_x_count->currentText().toInt();
  const int content = content_->checkedId();
  setup_.content = content == 1   ? MatrixContent::Back
                   : content == 2 ? MatrixContent::Both
                                  : MatrixContent::Front;
}

void MatrixPage::Fill() {
  ReadDisplayBoxes();
  i_hns->Redraw();
}

void MatrixPage::SizeChosen() {
  const int id = sizes_->checkedId();
  if (id == kCustomSize)
    setup_.size = {cb_selfsize_col->currentText().toInt(), cb_selfsize_row->currentText().toInt()};
  else
    setup_.size = MatrixRadioSizes()[static_cast<size_t>(id)];
  Fill();
}

void MatrixPage::CustomSizeChanged() {
  std::string message;
  const MatrixSize fitted = FitCustomSize(cb_selfsize_col->currentText().toInt(),
                                          cb_selfsize_row->currentText().toInt(), &message);
  if (!message.empty()) {
    Inform(QString::fromStdString(message));
    const QSignalBlocker block(cb_selfsize_col);
    cb_selfsize_col->setCurrentText(QString::number(fitted.columns));
  }
  if (sizes_->checkedId() == kCustomSize) setup_.size = fitted;
  Fill();
}

void MatrixPage::OrderChosen(int item) {
  if (item == 0) {
    setup_.order = DefaultGridLayout();
  } else if (item == kOwnOrderItem) {
    setup_.order = ownOrder_;
  } else if (item > 0) {
    std::string error;
    const auto order =
        ReadLayoutFile(LayoutPath(QString::fromUtf8(kOrderItems[item].file)).toStdString(), &error);
    if (!order) {
      // The order in force stays, and so does its item.
      Inform(QString::fromStdString(error));
      const QSignalBlocker block(cb_sort);
      cb_sort->setCurrentIndex(orderItem_);
      return;
    }
    setup_.order = *order;
    b_saverandsx->setEnabled(true);
  }
  orderItem_ = item;
  Fill();
}

void MatrixPage::UseOwnOrder(const MatrixOrder& order) {
  ownOrder_ = order;
  setup_.order = order;
  {
    const QSignalBlocker block(cb_sort);
    if (cb_sort->count() == kOwnOrderItem) cb_sort->addItem(kOwnOrderCaption);
    cb_sort->setCurrentIndex(kOwnOrderItem);
  }
  orderItem_ = kOwnOrderItem;
  b_saverandsx->setEnabled(true);
  Fill();
}

void MatrixPage::DesignOrder() {
  auto* dialog = fxd_.app.windows ? fxd_.app.windows->Get<Tf_selfhns>() : nullptr;
  if (!dialog || fxd_.app.shell.ExecDialog(*dialog) != QDialog::Accepted) return;
  std::string error;
  const auto order =
      ReadLayoutFile(LayoutPath(QString::fromUtf8(Tf_selfhns::kAppliedFile)).toStdString(), &error);
  if (!order) return Inform(QString::fromStdString(error));
  UseOwnOrder(*order);
}

void MatrixPage::RandomOrder() {
  UseOwnOrder(RandomMatrixOrder(random_));
}

void MatrixPage::LoadOrder() {
  const QString path = fxd_.app.shell.OpenFileName(
      this, QStringLiteral("载入行列式"), LayoutPath(QStringLiteral("database")), kLayoutFilter);
  if (path.isEmpty()) return;
  std::string error;
  const auto order = ReadLayoutFile(path.toStdString(), &error);
  if (!order) return Inform(QString::fromStdString(error));
  UseOwnOrder(*order);
}

void MatrixPage::SaveOrder() {
  QString path = fxd_.app.shell.SaveFileName(this, QStringLiteral("保存行列式排列顺序"),
                                             LayoutPath(QStringLiteral("database")), kLayoutFilter);
  if (path.isEmpty()) return;
  if (!path.contains(QStringLiteral(".hls"))) path += QStringLiteral(".hls");
  std::string error;
  if (!WriteLayoutFile(path.toStdString(), setup_.order, &error))
    Inform(QStringLiteral("无法写入文件：") + path + "\n" + QString::fromStdString(error));
}

bool MatrixPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched != i_hns) return FxdPage::eventFilter(watched, event);
  auto insidePicks = [this](QPoint p) {
    return picture_.picksRect && picture_.picksRect->Contains(p.x(), p.y());
  };
  if (event->type() == QEvent::MouseButtonPress) {
    auto* e = static_cast<QMouseEvent*>(event);
    const QPoint p = e->position().toPoint();
    if (!insidePicks(p)) return false;
    if (e->button() == Qt::RightButton) {
      setup_.picks.fill(false);
    } else if (e->button() == Qt::LeftButton) {
      const auto number = PickedNumberAt(picture_, setup_.order, setup_.size, p.x(), p.y());
      if (!number) return true;
      bool& pick = setup_.picks[static_cast<size_t>(*number)];
      pick = !pick;
    }
    Fill();
    return true;
  }
  // The right button on the picks matrix clears the picks; elsewhere the
  // picture keeps its menu.
  if (event->type() == QEvent::ContextMenu)
    return insidePicks(static_cast<QContextMenuEvent*>(event)->pos());
  return FxdPage::eventFilter(watched, event);
}

}  // namespace dlt::gui
