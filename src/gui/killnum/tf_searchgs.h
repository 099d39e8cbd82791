#pragma once

#include <memory>
#include <optional>

#include "gui/killnum/search_dialog.h"
#include "killnum/formula_search.h"
#include "killnum/kill_kind.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace dlt {
class KillHistory;
}

namespace dlt::gui {

struct AppContext;
class CandidateSettingsBox;

// "公式搜索": tests random formulas of one shape on a stretch of history, on
// every core, until one reaches the target rate. "开始搜索" starts and stops
// the search; the window stays usable meanwhile, its settings (the seed
// too) locked. "应用" closes it with the formula in e_ssgs: the one found,
// or after "停止搜索" the best one tested so far.
class Tf_searchgs : public SearchDialog {
  Q_OBJECT
 public:
  explicit Tf_searchgs(AppContext& app, QWidget* parent = nullptr);

  // What the banker and kill window sets before showing it.
  struct Request {
    KillKind kind = KillKind::FrontKill;
    QString customIndicator;  // custom kill: the indicator formula
    int start = -1;           // default search range (history indexes); -1: the default
    int end = -1;
    std::optional<double> targetFrom;  // a lower target, e.g. above the current formula's rate
  };
  // Reads the history again, fills the range pickers, clears the results.
  void Prepare(const Request& request);

  QString Found() const;
  // Candidates tested so far by the running search (as last reported).
  int64_t Tested() const { return Progress().tested.load(); }

 signals:
  void searchFinished();

 private:
  void Launch() override;
  std::optional<SearchSettings> ReadSettings();
  void Finished(const SearchResult& r);
  void ShowProgress() override;
  void RunningChanged(bool running) override;

  AppContext& app_;
  Request request_;
  std::shared_ptr<const KillHistory> history_;
  bool limitedRun_ = false;

  CandidateSettingsBox* settings_ = nullptr;
  QCheckBox* cb_contwrong = nullptr;
  QComboBox* combo_contwrong = nullptr;
  QPushButton* b_beginss = nullptr;
  QLineEdit* e_ssgs = nullptr;
  QLineEdit* e_xdzql = nullptr;
  QLineEdit* e_contwrong = nullptr;
  QLabel* l_progress = nullptr;
  QProgressBar* pb_search = nullptr;
  QPushButton* b_apply = nullptr;
  QPushButton* b_cancel = nullptr;
};

}  // namespace dlt::gui
