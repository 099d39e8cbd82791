#include "gui/trend/legend_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

#include "gui/trend/chart_painter.h"

namespace dlt::gui {

LegendBar::LegendBar(const char* name, const SpritePainter* sprites, QWidget* parent)
    : QWidget(parent), sprites_(sprites), row_(new QHBoxLayout(this)) {
  setObjectName(name);
  row_->setContentsMargins(2, 0, 2, 0);
  row_->setSpacing(4);
  row_->addStretch();
}

void LegendBar::SetEntries(const std::vector<LegendEntry>& entries) {
  if (entries == entries_) return;
  entries_ = entries;
  words_.clear();
  while (row_->count() > 1) {
    QLayoutItem* item = row_->takeAt(0);
    delete item->widget();
    delete item;
  }
  int at = 0;
  for (const LegendEntry& e : entries) {
    Chart swatch;
    swatch.width = swatch.height = kLegendSwatch;
    swatch.background = colours::kWhite;
    ChartPanel panel;
    panel.items.push_back(e.swatch);
    swatch.panels.push_back(std::move(panel));
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap::fromImage(RenderChart(swatch, font(), sprites_)));
    auto* words = new QLabel(QString::fromStdString(e.words), this);
    row_->insertWidget(at++, picture);
    row_->insertWidget(at++, words);
    row_->insertSpacing(at++, 10);
    words_ << words->text();
  }
}

}  // namespace dlt::gui
