#include "gui/history/tf_addsj.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/numbers.h"
#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

constexpr int kCellSide = 30;
constexpr int kPitch = 35;

void Fill(QLabel* label, const QColor& c) {
  label->setStyleSheet(
      QStringLiteral("background-color: %1; border: 1px solid #555;").arg(c.name()));
}

}  // namespace

BoardCell::BoardCell(int number, QWidget* parent)
    : QLabel(QString::fromStdString(TwoDigit(number)), parent), number_(number) {
  setObjectName(QStringLiteral("cell_%1").arg(number));
  setAlignment(Qt::AlignCenter);
  setFixedSize(kCellSide, kCellSide);
  setCursor(Qt::PointingHandCursor);
}

void BoardCell::SetColour(const QColor& c) {
  colour_ = c;
  Fill(this, c);
}

void BoardCell::mousePressEvent(QMouseEvent*) {
  emit clicked(number_);
}
void BoardCell::enterEvent(QEnterEvent*) {
  emit hovered(number_, true);
}
void BoardCell::leaveEvent(QEvent*) {
  emit hovered(number_, false);
}

Tf_addsj::Tf_addsj(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_addsj");
  setWindowTitle(QStringLiteral("添加开奖数据"));
  setModal(true);

  // 40 cells in 4 rows of 10: cell of row a, column b at (35b - 33, 35a - 33).
  auto* board = new QWidget(this);
  board->setObjectName("p_board");
  board->setFixedSize(349, 139);
  for (int k = 1; k <= DrawEntryBoard::kCells; ++k) {
    auto* cell = new BoardCell(k, board);
    const int a = (k - 1) / 10 + 1;
    const int b = (k - 1) % 10 + 1;
    cell->move(b * kPitch - 33, a * kPitch - 33);
    connect(cell, &BoardCell::clicked, this, &Tf_addsj::CellClicked);
    connect(cell, &BoardCell::hovered, this, &Tf_addsj::CellHovered);
    cells_[k - 1] = cell;
  }
  auto* resultBoard = new QWidget(this);
  resultBoard->setObjectName("p_result");
  resultBoard->setFixedSize(244, 34);
  for (int s = 1; s <= DrawEntryBoard::kSlots; ++s) {
    auto* r = new QLabel(resultBoard);
    r->setObjectName(QStringLiteral("result_%1").arg(s));
    r->setAlignment(Qt::AlignCenter);
    r->setFixedSize(kCellSide, kCellSide);
    r->move(s * kPitch - 33, 2);
    results_[s - 1] = r;
  }
  e_qs = new QLineEdit(this);
  e_qs->setObjectName("e_qs");
  e_qs->setMaxLength(7);
  e_qs->setFixedWidth(90);
  qsLabel_ = new QLabel(QStringLiteral("期数："), this);
  auto* add = new QPushButton(QStringLiteral("添加"), this);
  add->setObjectName("b_add");
  auto* reset = new QPushButton(QStringLiteral("重置"), this);
  reset->setObjectName("b_reset");
  auto* cancel = new QPushButton(QStringLiteral("取消"), this);
  cancel->setObjectName("b_cancel");

  auto* resultRow = new QHBoxLayout;
  resultRow->addWidget(new QLabel(QStringLiteral("已选择好的号码"), this));
  resultRow->addWidget(resultBoard);
  resultRow->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(qsLabel_);
  buttons->addWidget(e_qs);
  buttons->addStretch();
  buttons->addWidget(add);
  buttons->addWidget(reset);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(board);
  layout->addLayout(resultRow);
  layout->addLayout(buttons);

  connect(add, &QPushButton::clicked, this, &Tf_addsj::Add);
  connect(reset, &QPushButton::clicked, this, &Tf_addsj::Reset);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  Reset();
}

void Tf_addsj::SetDrawNumber(const QString& qs, bool hidden) {
  e_qs->setText(qs);
  e_qs->setVisible(!hidden);
  qsLabel_->setVisible(!hidden);
}

void Tf_addsj::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  Reset();
}

void Tf_addsj::Reset() {
  board_.Reset();
  stored_.reset();
  Repaint();
}

void Tf_addsj::CellClicked(int number) {
  board_.Click(number);
  Repaint();
}

void Tf_addsj::CellHovered(int number, bool inside) {
  if (board_.Marked(number)) return;
  Cell(number)->SetColour(inside ? kHover : kNormal);
}

void Tf_addsj::Repaint() {
  for (BoardCell* c : cells_) c->SetColour(board_.Marked(c->Number()) ? kSelected : kNormal);
  const auto& filled = board_.Slots();
  for (int s = 0; s < DrawEntryBoard::kSlots; ++s) {
    results_[s]->setText(filled[s] ? QString::fromStdString(TwoDigit(filled[s])) : QString());
    Fill(results_[s], s < 5 ? kFrontResult : kBackResult);
  }
}

void Tf_addsj::Add() {
  std::string message;
  const auto draw = board_.ToDraw(e_qs->text().toStdString(), &message);
  if (!draw) {
    app_.shell.Inform(this, QString::fromStdString(message));
    return;
  }
  DrawTable& table = app_.Table();
  if (table.IndexOf(draw->qs) >= 0) {
    if (mode_ == Mode::AddOnly) {
      app_.shell.Inform(this, QStringLiteral("数据库中已经存在此期的记录"));
      return;
    }
    table.PutDraw(*draw);
  } else if (!table.AppendDraw(*draw, &message)) {
    app_.shell.Inform(this, QString::fromStdString(message));
    return;
  }
  stored_ = draw;
  accept();
}

}  // namespace dlt::gui
