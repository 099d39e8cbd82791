#include "gui/killnum/tf_selfhns.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "common/numbers.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"

namespace dlt::gui {
namespace {

constexpr int kSquare = 30;
constexpr int kPitch = 35;
constexpr int kMostCells = 36;
const char* const kFree = "rgb(53,191,202)";
const char* const kUsed = "rgb(227,28,199)";
const char* const kHover = "rgb(2,253,108)";
const char* const kCell = "rgb(252,165,3)";
const QString kIncompleteSave = QStringLiteral("请先将行列式设计完，再保存.");
const QString kLayoutFilter = QStringLiteral("行列式排列顺序格式文件(*.hls)");

void Colour(QLabel* label, const char* colour) {
  label->setStyleSheet(QStringLiteral("background-color: %1; color: black;").arg(colour));
}

// Square k (from 1) of a panel with `columns` columns.
void Position(QWidget* square, int k, int columns) {
  const int column = (k - 1) % columns + 1, row = (k - 1) / columns + 1;
  square->move(kPitch * column - 33, kPitch * row - 33);
}

QSize PanelSize(int columns, int rows) {
  return {kPitch * columns - 1, kPitch * rows - 1};
}

}  // namespace

void DesignSquare::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit clicked();
}

void DesignSquare::enterEvent(QEnterEvent*) {
  emit hovered(true);
}

void DesignSquare::leaveEvent(QEvent*) {
  emit hovered(false);
}

Tf_selfhns::Tf_selfhns(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_selfhns");
  setWindowTitle(QStringLiteral("设计行列式"));
  auto* layout = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("行列式类型："), this));
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName("ComboBox1");
  for (const LayoutType& t : LayoutTypes()) ComboBox1->addItem(QString::fromUtf8(t.name));
  top->addWidget(ComboBox1);
  top->addStretch();
  layout->addLayout(top);

  auto* palettePanel = new QWidget(this);
  palettePanel->setObjectName("palette");
  palettePanel->setFixedSize(PanelSize(10, 4));
  for (int n = 1; n <= LayoutDesign::kPaletteSize; ++n) {
    auto* square = new DesignSquare(QString::number(n), palettePanel);
    square->setObjectName(QStringLiteral("palette%1").arg(n));
    square->setFixedSize(kSquare, kSquare);
    square->setAlignment(Qt::AlignCenter);
    Position(square, n, 10);
    connect(square, &DesignSquare::clicked, this, [this, n] { Place(n); });
    connect(square, &DesignSquare::hovered, this, [this, n](bool inside) {
      hovered_ = inside ? n : (hovered_ == n ? 0 : hovered_);
      Paint();
    });
    palette_.push_back(square);
  }
  layout->addWidget(palettePanel, 0, Qt::AlignHCenter);

  gridPanel_ = new QWidget(this);
  gridPanel_->setObjectName("grid");
  for (int k = 1; k <= kMostCells; ++k) {
    auto* cell = new DesignSquare(gridPanel_);
    cell->setObjectName(QStringLiteral("cell%1").arg(k));
    cell->setFixedSize(kSquare, kSquare);
    cell->setAlignment(Qt::AlignCenter);
    Colour(cell, kCell);
    cells_.push_back(cell);
  }
  layout->addWidget(gridPanel_, 1, Qt::AlignHCenter | Qt::AlignTop);

  auto* buttons = new QHBoxLayout;
  const struct {
    const char* name;
    const char* caption;
  } names[] = {{"b_reset", "重置"},
               {"b_undo", "撤消"},
               {"b_save", "保存"},
               {"b_self1", "设为自定义行列式一"},
               {"b_self2", "设为自定义行列式二"},
               {"b_self3", "设为自定义行列式三"},
               {"b_apply", "应用"},
               {"b_return", "返回"}};
  std::vector<QPushButton*> made;
  for (const auto& b : names) {
    made.push_back(NamedButton(this, b.name, QString::fromUtf8(b.caption)));
    made.back()->setAutoDefault(false);
    buttons->addWidget(made.back());
  }
  layout->addLayout(buttons);
  connect(made[0], &QPushButton::clicked, this, &Tf_selfhns::Reset);
  connect(made[1], &QPushButton::clicked, this, &Tf_selfhns::Undo);
  connect(made[2], &QPushButton::clicked, this, &Tf_selfhns::Save);
  for (int which = 1; which <= 3; ++which)
    connect(made[static_cast<size_t>(2 + which)], &QPushButton::clicked, this,
            [this, which] { SetCustom(which); });
  connect(made[6], &QPushButton::clicked, this, &Tf_selfhns::Apply);
  connect(made[7], &QPushButton::clicked, this, &QDialog::reject);
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &Tf_selfhns::Reset);
  Reset();
}

void Tf_selfhns::showEvent(QShowEvent* e) {
  Reset();
  QDialog::showEvent(e);
}

void Tf_selfhns::Reset() {
  const LayoutType& type =
      LayoutTypes()[static_cast<size_t>(std::max(ComboBox1->currentIndex(), 0))];
  design_.Reset(type.columns, type.rows);
  gridPanel_->setFixedSize(PanelSize(type.columns, type.rows));
  for (int k = 1; k <= kMostCells; ++k) {
    DesignSquare* cell = cells_[static_cast<size_t>(k - 1)];
    Position(cell, k, type.columns);
    cell->setVisible(k <= design_.CellCount());
  }
  Paint();
}

void Tf_selfhns::Place(int number) {
  if (design_.Place(number)) Paint();
}

void Tf_selfhns::Undo() {
  if (design_.Undo()) Paint();
}

void Tf_selfhns::Paint() {
  for (int n = 1; n <= LayoutDesign::kPaletteSize; ++n) {
    const bool used = design_.Used(n);
    Colour(palette_[static_cast<size_t>(n - 1)], used ? kUsed : n == hovered_ ? kHover : kFree);
  }
  for (int k = 0; k < kMostCells; ++k)
    cells_[static_cast<size_t>(k)]->setText(
        k < design_.Filled()
            ? QString::fromStdString(TwoDigit(design_.Cells()[static_cast<size_t>(k)]))
            : QString());
}

bool Tf_selfhns::WriteComplete(const QString& path, const QString& incomplete) {
  if (!design_.Complete()) {
    app_.shell.Inform(this, incomplete);
    return false;
  }
  std::string error;
  if (!WriteLayoutFile(path.toStdString(), design_.Cells(), &error)) {
    app_.shell.Inform(
        this, QStringLiteral("无法写入文件：") + path + "\n" + QString::fromStdString(error));
    return false;
  }
  return true;
}

void Tf_selfhns::Save() {
  if (!design_.Complete()) {
    app_.shell.Inform(this, kIncompleteSave);
    return;
  }
  QString path = app_.shell.SaveFileName(this, QStringLiteral("保存行列式排列顺序"),
                                         QString::fromStdString(app_.folder.Root()), kLayoutFilter);
  if (path.isEmpty()) return;
  if (!path.contains(QStringLiteral(".hls"))) path += QStringLiteral(".hls");
  WriteComplete(path, kIncompleteSave);
}

void Tf_selfhns::Apply() {
  if (WriteComplete(QString::fromStdString(app_.folder.Path(kAppliedFile)),
                    QStringLiteral("请先将行列式设计完，再应用.")))
    accept();
}

void Tf_selfhns::SetCustom(int which) {
  WriteComplete(
      QString::fromStdString(app_.folder.Path("database/selfhls" + std::to_string(which) + ".hls")),
      kIncompleteSave);
}

}  // namespace dlt::gui
