#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

#include "trend/legends.h"

class QHBoxLayout;

namespace dlt::gui {

class SpritePainter;

// A row of legend entries under a chart or grid: each mark drawn by the
// chart painter as the chart draws it, and its meaning in words.
class LegendBar : public QWidget {
  Q_OBJECT
 public:
  LegendBar(const char* name, const SpritePainter* sprites, QWidget* parent);

  void SetEntries(const std::vector<LegendEntry>& entries);
  QStringList Words() const { return words_; }

 private:
  const SpritePainter* sprites_;
  QHBoxLayout* row_;
  QStringList words_;
  std::vector<LegendEntry> entries_;
};

}  // namespace dlt::gui
