#include "gui/common/paging_bar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QWheelEvent>
#include <cstdlib>
#include <limits>

#include "chart/indicator_panel.h"
#include "gui/app/named_button.h"
#include "history/draw_table.h"

namespace dlt::gui {

namespace {

// One notch of a mouse wheel.
constexpr int kWheelNotch = 120;
// Further than any page a custom move clamps: its first or last item.
constexpr int kBeyondEveryItem = std::numeric_limits<int>::max() / 4;

}  // namespace

void MoveAnchor(DrawTable& table, int n) {
  table.MoveBy(n);
}

bool JumpAnchor(DrawTable& table, const QString& text) {
  bool ok = false;
  const int qs = text.trimmed().toInt(&ok);
  return ok && table.LocateDraw(qs);
}

PagingBar::PagingBar(DrawTable& table, const PagingNames& names, std::function<int()> pageSize,
                     QWidget* parent)
    : PagingBar([&table]() -> DrawTable& { return table; }, names, std::move(pageSize), parent) {}

PagingBar::PagingBar(TableOf table, const PagingNames& names, std::function<int()> pageSize,
                     QWidget* parent)
    : QWidget(parent), table_(std::move(table)), pageSize_(std::move(pageSize)) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  if (*names.jumpButton) {
    row->addWidget(new QLabel(QStringLiteral("转到第"), this));
    edit_ = new QLineEdit(this);
    edit_->setObjectName(names.jumpEdit);
    edit_->setMaxLength(7);
    edit_->setFixedWidth(80);
    row->addWidget(edit_);
    row->addWidget(new QLabel(QStringLiteral("期"), this));
    auto* jump = NamedButton(this, names.jumpButton, QStringLiteral("跳转"));
    connect(jump, &QPushButton::clicked, this, &PagingBar::Jump);
    connect(edit_, &QLineEdit::returnPressed, this, &PagingBar::Jump);
    row->addWidget(jump);
  }
  const struct {
    const char* name;
    const char* caption;
    PageMove move;
  } buttons[] = {{names.pageBack, "上一页", PageMove::kPageBack},
                 {names.pageForward, "下一页", PageMove::kPageForward},
                 {names.stepBack, "上一条", PageMove::kStepBack},
                 {names.stepForward, "下一条", PageMove::kStepForward}};
  for (const auto& b : buttons) {
    auto* button = NamedButton(this, b.name, QString::fromUtf8(b.caption));
    connect(button, &QPushButton::clicked, this, [this, move = b.move] { Go(move); });
    row->addWidget(button);
  }
  const QByteArray newestName = QByteArray(names.pageForward) + "_newest";
  newest_ = NamedButton(this, newestName.constData(), QStringLiteral("最新"));
  newest_->setToolTip(QStringLiteral("显示以最新一期结束的一页（End）"));
  connect(newest_, &QPushButton::clicked, this, [this] { Go(PageMove::kNewest); });
  row->addWidget(newest_);
  row->addStretch();
}

void PagingBar::SetMove(Move move) {
  move_ = std::move(move);
  newest_->hide();
}

QComboBox* PagingBar::AddZoomBox(const char* name) {
  zoom_ = new QComboBox(this);
  zoom_->setObjectName(name);
  zoom_->setEditable(true);
  zoom_->setInsertPolicy(QComboBox::NoInsert);
  zoom_->setToolTip(QStringLiteral("每页显示的期数：选择或输入%1..%2（Ctrl+滚轮缩放）")
                        .arg(kFewestPageDraws)
                        .arg(kMostPageDraws));
  for (const std::string& t : PeriodTexts()) zoom_->addItem(QString::fromStdString(t));
  span_ = SpanOfText(PeriodTexts().front()).value_or(kPageSpan);
  connect(zoom_, &QComboBox::currentIndexChanged, this, &PagingBar::ApplyZoomText);
  connect(zoom_->lineEdit(), &QLineEdit::editingFinished, this, &PagingBar::ApplyZoomText);
  // A listed choice set as text applies at once; typed numbers wait for Enter.
  connect(zoom_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    if (zoom_->findText(text) >= 0) ApplyZoomText();
  });
  static_cast<QHBoxLayout*>(layout())->insertWidget(0, zoom_);
  pageSize_ = [this] { return span_; };
  return zoom_;
}

void PagingBar::Drive(QWidget* chart) {
  chart->setFocusPolicy(Qt::WheelFocus);
  chart->installEventFilter(this);
}

void PagingBar::Go(PageMove move) {
  if (move_) {
    // A custom move clamps to its items: the newest page is the last item
    // moved back to a full page.
    const int page = pageSize_();
    switch (move) {
      case PageMove::kFirst:
        move_(-kBeyondEveryItem);
        break;
      case PageMove::kPageBack:
        move_(-page);
        break;
      case PageMove::kStepBack:
        move_(-1);
        break;
      case PageMove::kStepForward:
        move_(1);
        break;
      case PageMove::kPageForward:
        move_(page);
        break;
      case PageMove::kNewest:
        move_(kBeyondEveryItem);
        move_(1 - page);
        break;
    }
  } else {
    DrawTable& table = table_();
    MoveAnchor(table, AnchorAfter(move, table.Position(), pageSize_(), table.RecordCount()) -
                          table.Position());
  }
  emit moved();
}

bool PagingBar::Zoom(int notches) {
  if (!zoom_) return false;
  const int zoomed = ZoomedSpan(span_, notches);
  if (zoomed != span_) {
    span_ = zoomed;
    ShowSpan();
    emit moved();
  }
  return true;
}

void PagingBar::Jump() {
  if (!edit_ || edit_->text().trimmed().isEmpty()) return;
  JumpAnchor(table_(), edit_->text());
  emit moved();
}

void PagingBar::ApplyZoomText() {
  // A text that names no page size within the bounds gives way to the size shown.
  const std::optional<int> span = SpanOfText(zoom_->currentText().toStdString());
  const bool changed = span && *span != span_;
  if (span) span_ = *span;
  ShowSpan();
  if (changed) emit moved();
}

void PagingBar::ShowSpan() {
  const QSignalBlocker quiet(zoom_);
  const QString text = QString::fromStdString(SpanText(span_));
  // A free value leaves no item current, so that any item picked next is a change.
  zoom_->setCurrentIndex(zoom_->findText(text));
  zoom_->setEditText(text);
}

bool PagingBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier))
      return QWidget::eventFilter(watched, event);
    static const struct {
      int key;
      PageMove move;
    } keys[] = {{Qt::Key_PageUp, PageMove::kPageBack}, {Qt::Key_PageDown, PageMove::kPageForward},
                {Qt::Key_Home, PageMove::kFirst},      {Qt::Key_End, PageMove::kNewest},
                {Qt::Key_Left, PageMove::kStepBack},   {Qt::Key_Right, PageMove::kStepForward}};
    for (const auto& k : keys) {
      if (k.key == key->key()) {
        Go(k.move);
        return true;
      }
    }
  } else if (event->type() == QEvent::Wheel) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    wheelRest_ += wheel->angleDelta().y();
    const int notches = wheelRest_ / kWheelNotch;
    wheelRest_ -= notches * kWheelNotch;
    // Turning the wheel away from the user goes back in time (and zooms in).
    if (wheel->modifiers() & Qt::ControlModifier) {
      if (notches != 0) Zoom(notches);
    } else {
      for (int i = 0; i < std::abs(notches); ++i)
        Go(notches > 0 ? PageMove::kPageBack : PageMove::kPageForward);
    }
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace dlt::gui
