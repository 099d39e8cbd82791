#include "gui/app/toolbar_icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace dlt::gui {
namespace {

constexpr int kSize = 32;

void Ball(QPainter& p, QPointF c, double r, QColor colour) {
  QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.3);
  g.setColorAt(0, colour.lighter(170));
  g.setColorAt(1, colour.darker(130));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(c, r, r);
}

void DrawStatistics(QPainter& p) {
  const QColor bars[] = {QColor(220, 40, 40), QColor(40, 90, 210), QColor(230, 150, 20),
                         QColor(40, 160, 70)};
  const int heights[] = {12, 20, 16, 26};
  for (int i = 0; i < 4; ++i) {
    p.setBrush(bars[i]);
    p.setPen(bars[i].darker(140));
    p.drawRect(3 + i * 7, 29 - heights[i], 5, heights[i]);
  }
  p.setPen(QPen(Qt::black, 1.5));
  p.drawLine(2, 29, 30, 29);
}

void DrawCombination(QPainter& p) {
  Ball(p, {9, 9}, 6.5, QColor(220, 30, 30));
  Ball(p, {23, 9}, 6.5, QColor(220, 30, 30));
  Ball(p, {9, 23}, 6.5, QColor(220, 30, 30));
  Ball(p, {23, 23}, 6.5, QColor(30, 80, 220));
}

void DrawTrend(QPainter& p) {
  p.setPen(QPen(QColor(150, 150, 150), 1));
  for (int x = 4; x <= 28; x += 6) p.drawLine(x, 3, x, 29);
  const QPointF pts[] = {{4, 22}, {10, 12}, {16, 18}, {22, 7}, {28, 14}};
  p.setPen(QPen(QColor(200, 30, 30), 2.2));
  p.drawPolyline(pts, 5);
  for (const auto& q : pts) Ball(p, q, 2.8, QColor(220, 30, 30));
}

void DrawMoreCharts(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(QColor(250, 250, 235));
  p.drawRect(2, 2, 17, 14);
  p.drawRect(13, 15, 17, 14);
  p.setPen(QPen(QColor(30, 90, 210), 1.8));
  p.drawPolyline(QPolygonF({{4, 13}, {8, 7}, {12, 10}, {17, 4}}));
  p.setBrush(QColor(230, 140, 30));
  p.setPen(Qt::NoPen);
  p.drawPie(QRectF(16, 17, 11, 11), 0, 270 * 16);
}

void DrawAnalysis(QPainter& p) {
  p.setPen(QPen(QColor(40, 40, 40), 3));
  p.drawLine(19, 19, 29, 29);
  QRadialGradient g(QPointF(11, 11), 10);
  g.setColorAt(0, QColor(230, 245, 255));
  g.setColorAt(1, QColor(160, 200, 240));
  p.setBrush(g);
  p.setPen(QPen(QColor(50, 50, 120), 2.5));
  p.drawEllipse(QPointF(12, 12), 9, 9);
  p.setPen(QPen(QColor(200, 30, 30), 1.5));
  p.drawPolyline(QPolygonF({{6, 14}, {9, 10}, {12, 13}, {16, 8}}));
}

void DrawUpdate(QPainter& p) {
  QLinearGradient g(4, 0, 22, 0);
  g.setColorAt(0, QColor(90, 130, 200));
  g.setColorAt(1, QColor(40, 70, 150));
  p.setBrush(g);
  p.setPen(QPen(QColor(30, 50, 110), 1));
  p.drawRect(4, 7, 18, 18);
  p.drawEllipse(4, 2, 18, 9);
  p.drawEllipse(4, 21, 18, 8);
  p.setBrush(QColor(40, 170, 60));
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygonF({{24, 12}, {31, 20}, {27, 20}, {27, 30}, {21, 30}, {21, 20}, {17, 20}}));
}

void DrawSettings(QPainter& p) {
  p.translate(16, 16);
  p.setBrush(QColor(120, 120, 135));
  p.setPen(QPen(QColor(60, 60, 70), 1));
  QPainterPath gear;
  for (int i = 0; i < 8; ++i) {
    p.save();
    p.rotate(i * 45);
    p.drawRect(QRectF(-3, -14, 6, 6));
    p.restore();
  }
  p.drawEllipse(QPointF(0, 0), 10, 10);
  p.setBrush(QColor(245, 245, 245));
  p.drawEllipse(QPointF(0, 0), 4, 4);
}

void DrawBankersAndKills(QPainter& p) {
  p.setPen(QPen(QColor(200, 30, 30), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(16, 16), 12, 12);
  p.drawEllipse(QPointF(16, 16), 6, 6);
  p.drawLine(16, 1, 16, 31);
  p.drawLine(1, 16, 31, 16);
  Ball(p, {16, 16}, 3, QColor(220, 30, 30));
}

// A betting slip with a tick: the ticket book.
void DrawBook(QPainter& p) {
  p.setBrush(QColor(255, 250, 235));
  p.setPen(QPen(QColor(120, 90, 40), 1.5));
  p.drawRect(QRectF(6, 3, 20, 26));
  p.setPen(QPen(QColor(200, 30, 30), 1.5));
  for (int y : {9, 14, 19}) p.drawLine(10, y, 22, y);
  p.setPen(QPen(QColor(40, 150, 60), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawPolyline(QPolygonF({{13, 24}, {17, 28}, {29, 16}}));
}

void DrawHelp(QPainter& p) {
  Ball(p, {16, 16}, 14, QColor(40, 120, 220));
  QFont f = p.font();
  f.setPixelSize(22);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawExit(QPainter& p) {
  p.setPen(QPen(QColor(200, 40, 40), 3.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(5, 6, 22, 22), 120 * 16, 300 * 16);
  p.drawLine(16, 3, 16, 15);
}

void DrawIcon(QPainter& p, const QString& button) {
  if (button == "b_tjq")
    DrawStatistics(p);
  else if (button == "b_zh")
    DrawCombination(p);
  else if (button == "b_wdtz")
    DrawBook(p);
  else if (button == "b_fxd")
    DrawTrend(p);
  else if (button == "b_moredb")
    DrawMoreCharts(p);
  else if (button == "b_zbpx")
    DrawAnalysis(p);
  else if (button == "b_gxsjq")
    DrawUpdate(p);
  else if (button == "b_set")
    DrawSettings(p);
  else if (button == "b_tdsh")
    DrawBankersAndKills(p);
  else if (button == "b_help")
    DrawHelp(p);
  else if (button == "b_exit")
    DrawExit(p);
}

}  // namespace

QIcon ToolbarIcon(const QString& button) {
  QIcon icon;
  // Drawn at one and at two device pixels per pixel: a scaled screen gets
  // sharp lines, not a stretched picture.
  for (const qreal ratio : {1.0, 2.0}) {
    QPixmap pm(qRound(kSize * ratio), qRound(kSize * ratio));
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    DrawIcon(p, button);
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}

QPixmap SplashPicture() {
  QPixmap pm(400, 295);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient bg(0, 0, 0, 295);
  bg.setColorAt(0, QColor(170, 20, 30));
  bg.setColorAt(1, QColor(60, 5, 15));
  p.fillRect(pm.rect(), bg);
  // Five front balls and two back balls across the middle.
  for (int i = 0; i < 7; ++i) {
    const QColor c = i < 5 ? QColor(235, 40, 40) : QColor(40, 90, 230);
    Ball(p, QPointF(62 + i * 46, 150), 19, c);
  }
  QFont title = p.font();
  title.setPixelSize(40);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(255, 220, 120));
  p.drawText(QRect(0, 40, 400, 60), Qt::AlignCenter, QStringLiteral("大乐透析星台"));
  QFont small = p.font();
  small.setPixelSize(15);
  small.setBold(false);
  p.setFont(small);
  p.setPen(QColor(255, 240, 230));
  p.drawText(QRect(0, 205, 400, 30), Qt::AlignCenter,
             QStringLiteral("走势分析 · 指标剖析 · 超强组号"));
  p.drawText(QRect(0, 240, 400, 30), Qt::AlignCenter, QStringLiteral("正在启动，请稍候..."));
  return pm;
}

}  // namespace dlt::gui
