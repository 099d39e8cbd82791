#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "analysis/analysis_charts.h"
#include "common/draw.h"
#include "common/value_distribution.h"
#include "gui/trend/sprite_painter.h"

class QComboBox;

namespace dlt {
class DrawTable;
}

namespace dlt::gui {

struct AppContext;

// What the tabs of the indicator analysis share: the analysed series (the
// scratch field `test` of the table), its caption and value range, the key
// or formula it came from, and the sprites. The table is the history, or a
// work table of the series' own draws.
struct ZbpxzContext {
  explicit ZbpxzContext(AppContext& a);
  ~ZbpxzContext();

  // The table the series is read from: a work table holding `draws` (the
  // history's structure, kept in memory), or the history when it is empty.
  DrawTable& UseDraws(const std::vector<Draw>& draws);

  AppContext& app;
  SpritePainter sprites;
  QString caption;
  int32_t from = 1, to = 31;
  std::string key, formula;

  DrawTable& Table() const;
  std::span<const int32_t> Series() const;
  // The shared current draw, where the paged charts start (0 when empty).
  int Anchor() const;
  AnalysisView ViewAt(int span, int width, int height) const;
  // The draw numbers in table order, for the draw pickers.
  QStringList IssueTexts() const;

  // The exact chance of each value of the key or formula at the next draw,
  // for the expected figures: worked out the first time a tab asks after a
  // new series. Null for a series without a key or formula (the user is
  // told once), or when the work was cancelled or refused.
  const ValueDistribution* Chance(QWidget* parent);
  // A new series: the chance is asked again.
  void ForgetChance();

 private:
  std::optional<ValueDistribution> chance_;
  bool chanceAsked_ = false;
  std::unique_ptr<DrawTable> work_;
};

// A draw picker filled with every draw number: a "from" picker set to the
// hundredth entry from the end (the first of a shorter history), a "to"
// picker to the last.
void FillIssuePicker(QComboBox* box, const QStringList& issues, bool from);
// The draw index a picker names; `fallback` when its text names no draw.
int PickedDraw(const QComboBox* box, const DrawTable& table, int fallback);

// One tab of Tf_zbpxz. The window resets every tab when it is shown and
// fills a tab whenever it becomes the current one.
class ZbpxzTab : public QWidget {
  Q_OBJECT
 public:
  ZbpxzTab(ZbpxzContext& z, QWidget* parent) : QWidget(parent), z_(z) {}
  // The window's show: pickers back to their defaults.
  virtual void Reset() {}
  // Draws the tab again from the series.
  virtual void Fill() = 0;
  // One step of automatic scrolling (forward: right, or down for grids).
  virtual void ScrollStep(bool forward) { (void)forward; }
  // Another tab is chosen: a tab with its own scrolling stops it.
  virtual void Leave() {}

 protected:
  ZbpxzContext& z_;
};

}  // namespace dlt::gui
