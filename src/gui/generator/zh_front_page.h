#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>

#include "generator/condition_files.h"
#include "generator/filter_run.h"

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace dlt::gui {

struct AppContext;
struct ZhSession;
struct ZhFrontDialogs;
class Tf_zh;
class ZhConditionGroups;
class ZhConditionLists;
class ZhFrontGrid;
class ZhFrontSettings;

// The tab sheet "主区过滤" of the generator window: the front condition set
// (PageControl2 with its condition groups and lists, the pool, bankers,
// switches and 总容错), the runs (常规过滤, 机选组号, 过滤后机选, 继续过滤),
// the condition files with the menu `pm` of "恢复操作", the reports, the
// batch filter and the front result grid.
class ZhFrontPage : public QWidget {
  Q_OBJECT
 public:
  ZhFrontPage(AppContext& app, ZhSession& session, Tf_zh& window, QWidget* parent = nullptr);
  ~ZhFrontPage() override;

  // The dialogs the page asks; a test may answer in their place.
  ZhFrontDialogs& Dialogs() { return *dialogs_; }
  // Shows the whole front set again; `loaded` writes the list lines in the
  // wording of a loaded file.
  void RefreshConditions(bool loaded);
  // Shows the set after another window changed it (appended a self
  // condition or a custom indicator); shown list lines keep their wording.
  void ShowChangedSet();
  // Entries appended by another window with their own list lines.
  void ShowAppendedSelfCondition(const QString& line);
  void ShowAppendedCustomIndicator(const QString& line);
  // Makes "自定义指标" the visible tab with the formula in its edit.
  void OfferCustomFormula(const QString& formula);
  // Empties the custom indicator being typed (formula, values, 容错).
  void ClearCustomIndicatorEntry();
  // Shows the front list again from page 1 (after a run or a batch); with
  // the time the runs that made it took.
  void RefreshList(std::optional<int64_t> elapsedMicros = std::nullopt);
  // A list that came from a run can be filtered further (继续过滤).
  void AllowContinueFiltering();
  ZhFrontGrid& Grid() { return *grid_; }
  // Makes "常规1" the visible tab of PageControl2.
  void ShowFirstTab();

 private:
  QWidget* BuildActions();
  void SetRandomMode(bool random);
  void RunFilterClicked(bool afterFilter);
  void RunContinueClicked();
  // Runs one filter off the interface thread with the message box; the
  // list is replaced only by a finished run.
  void RunInBackground(const std::function<RunOutcome(const FilterEnvironment&, ResultList&)>& run,
                       bool keepCurrent);
  void SaveConditions();
  void LoadConditions();
  void ShowLoadReport(const LoadReport& report, bool restored);
  void LoadStandard();
  void OverwriteStandard();
  void LoadExit();
  void StepBack();
  void Inform(const QString& text);

  AppContext& app_;
  ZhSession& session_;
  Tf_zh& window_;
  std::unique_ptr<ZhFrontDialogs> dialogs_;
  ZhConditionGroups* groups_ = nullptr;
  ZhConditionLists* lists_ = nullptr;
  ZhFrontSettings* settings_ = nullptr;
  ZhFrontGrid* grid_ = nullptr;
  QTabWidget* PageControl2 = nullptr;
  QRadioButton* rb_cgzh = nullptr;
  QRadioButton* rb_jxzh = nullptr;
  QLineEdit* me_jxzh = nullptr;
  QPushButton* b_filter = nullptr;
  QPushButton* b_xzsgl = nullptr;
  QPushButton* b_contfilter = nullptr;
  QPushButton* b_hfoper = nullptr;
  QMenu* pm = nullptr;
};

}  // namespace dlt::gui
