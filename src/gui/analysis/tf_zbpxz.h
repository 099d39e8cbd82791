#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/analysis/analysis_handoff.h"

class QTabWidget;

namespace dlt::gui {

struct AppContext;
struct ZbpxzContext;
class AutoScroller;
class ZbpxzTab;

// What the analysis window's caption names: the series' caption, or for a
// bare indicator key its catalogue label, else the formula analysed.
QString AnalysedName(const AnalysisSeries& series);

// The indicator analysis: fifteen tabs over the series in the scratch field
// `test`. Every show takes the caption and the value range, key or formula
// of the last series analysed, resets the pickers and opens "均值走势图".
class Tf_zbpxz : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_zbpxz(AppContext& app, QWidget* parent = nullptr);
  ~Tf_zbpxz() override;

  // Shows a series (hidden first, so that the show starts over on it). A
  // series over the history goes into the history's `test` and its current
  // draw moves 36 draws back from the end; a series with draws of its own
  // is analysed on a work table of those draws, the history untouched, until
  // the window closes. A modal showing puts the history's current draw back
  // when it closes.
  void Analyse(const AnalysisSeries& series);

  ZbpxzContext& Context() { return *z_; }
  QTabWidget* Tabs() const { return tabs_; }
  // The scrolling of the chart tabs (popup pm_zsd).
  AutoScroller& Scroller() const { return *scroller_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void TabChanged(int index);

  AppContext& app_;
  std::unique_ptr<ZbpxzContext> z_;
  // What the last Analyse handed over; every show starts from it.
  struct ShownSeries {
    int32_t from = 0, to = 0;
    std::string key, formula;
  };
  std::optional<ShownSeries> shown_;
  // The history's current draw to return to when a modal showing closes.
  std::optional<int32_t> returnTo_;
  QTabWidget* tabs_ = nullptr;
  AutoScroller* scroller_ = nullptr;
  std::vector<ZbpxzTab*> pages_;
  int current_ = -1;
};

}  // namespace dlt::gui
