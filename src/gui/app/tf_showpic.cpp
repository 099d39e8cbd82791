#include "gui/app/tf_showpic.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace dlt::gui {

Tf_showpic::Tf_showpic(AppContext&, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog | Qt::WindowStaysOnTopHint) {
  setObjectName("Tf_showpic");
  // The box blocks the other windows while the work runs.
  setWindowModality(Qt::ApplicationModal);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(0, 255, 255));
  setPalette(p);

  label_ = new QLabel(this);
  label_->setObjectName("lb_text");
  label_->setAlignment(Qt::AlignCenter);
  progress_ = new QProgressBar(this);
  progress_->setObjectName("pb_progress");
  progress_->setTextVisible(false);
  cancel_ = new QPushButton(QStringLiteral("取消"), this);
  cancel_->setObjectName("b_cancel");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(15, 12, 15, 12);
  layout->addWidget(label_);
  layout->addWidget(progress_);
  layout->addWidget(cancel_, 0, Qt::AlignCenter);
  connect(cancel_, &QPushButton::clicked, this, [this] {
    cancelRequested_ = true;
    cancel_->setEnabled(false);
    emit cancelRequested();
  });
  progress_->hide();
  cancel_->hide();
}

void Tf_showpic::Place(const QString& text) {
  label_->setText(text);
  // The box follows the text: label = text width + 30, box = label + 30.
  const int labelWidth = QFontMetrics(label_->font()).horizontalAdvance(text) + 30;
  label_->setMinimumWidth(labelWidth);
  adjustSize();
  resize(std::max(width(), labelWidth + 30), height());
  if (const QScreen* s = QApplication::primaryScreen()) {
    const QRect r = s->availableGeometry();
    move(r.center() - rect().center());
  }
}

void Tf_showpic::ShowMessage(const QString& text) {
  progress_->hide();
  cancel_->hide();
  Place(text);
  show();
  raise();
  repaint();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Tf_showpic::ShowProgress(const QString& text, bool cancellable) {
  cancelRequested_ = false;
  progress_->setRange(0, 0);
  progress_->show();
  cancel_->setVisible(cancellable);
  cancel_->setEnabled(true);
  Place(text);
  show();
  raise();
  repaint();
}

void Tf_showpic::SetProgress(int done, int total) {
  if (total <= 0) {
    progress_->setRange(0, 0);
    return;
  }
  progress_->setRange(0, total);
  progress_->setValue(std::min(done, total));
}

void Tf_showpic::HideBox() {
  hide();
  progress_->hide();
  cancel_->hide();
}

QString Tf_showpic::Text() const {
  return label_->text();
}

}  // namespace dlt::gui
