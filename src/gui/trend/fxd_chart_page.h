#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "chart/chart_panel.h"
#include "gui/common/paging_bar.h"
#include "gui/trend/fxd_context.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;

namespace dlt::gui {

class ChartView;

// One option of a chart page: a radio button and what it selects (an
// indicator key, or nothing for pages that read the option's index).
struct ChartOption {
  std::string name;  // object name
  QString caption;
  std::string key;
};

class ChartPage;

// What makes one paged chart page: its picture, options, period box, paging
// controls, an optional extra choice box and "指标剖析" button, and the engine
// chart it draws.
struct ChartPageSetup {
  const char* picture = "";
  std::vector<ChartOption> options;
  int optionColumns = 8;
  const char* periodBox = "";
  PagingNames paging;
  const char* choiceBox = "";  // an extra combo box, empty for none
  std::vector<QString> choices;
  const char* analysisButton = "";  // empty for none
  std::vector<ChartOption> checks;  // check boxes, all checked at first
  QString legend;                   // a fixed text under the options
  std::function<Chart(const ChartPage& page, const TrendPage& view, const TextMetrics& metrics)>
      chart;
};

// A paged chart page of the trend window: the picture over a group box with
// the options, the period box ("显示36期" .. "显示66期"), the paging row and
// the analysis button. Every option, period or paging change redraws; paging
// moves the shared anchor.
class ChartPage : public FxdPage {
  Q_OBJECT
 public:
  ChartPage(FxdContext& fxd, ChartPageSetup setup, QWidget* parent = nullptr);

  void Fill() override;
  int Option() const;
  const ChartOption* SelectedOption() const;
  int Choice() const;
  bool Checked(int check) const;
  int Period() const;
  ChartView* Picture() const { return picture_; }

 private:
  void Analyse();

  FxdContext& fxd_;
  ChartPageSetup setup_;
  ChartView* picture_ = nullptr;
  QButtonGroup* options_ = nullptr;
  QComboBox* period_ = nullptr;
  QComboBox* choice_ = nullptr;
  std::vector<QCheckBox*> checks_;
};

}  // namespace dlt::gui
