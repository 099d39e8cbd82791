#include "gui/app/tf_runpic.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

#include "gui/app/toolbar_icons.h"

namespace dlt::gui {

Tf_runpic::Tf_runpic(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("Tf_runpic");
  setFixedSize(400, 295);
  picture_ = SplashPicture();
  if (const QScreen* s = QApplication::primaryScreen())
    move(s->geometry().center() - rect().center());
}

void Tf_runpic::paintEvent(QPaintEvent*) {
  QPainter(this).drawPixmap(0, 0, picture_);
}

void Tf_runpic::mousePressEvent(QMouseEvent*) {
  close();
}

}  // namespace dlt::gui
