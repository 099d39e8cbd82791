#pragma once

#include <QStringList>
#include <memory>
#include <optional>

#include "gui/killnum/search_dialog.h"
#include "killnum/kill_kind.h"
#include "killnum/scheme_optimisation.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace dlt {
class KillHistory;
}

namespace dlt::gui {

struct AppContext;
class CandidateSettingsBox;

// "优化方案": fills a whole scheme with N formulas, untested at random or
// searched to reach a target rate, optionally limiting the runs of
// failures of each formula and of the scheme. "开始生成" starts and stops;
// "应用" closes with the accepted formulas.
class Tf_scfa : public SearchDialog {
  Q_OBJECT
 public:
  explicit Tf_scfa(AppContext& app, QWidget* parent = nullptr);

  struct Request {
    int wanted = 10;  // N, 1..100
    KillKind kind = KillKind::FrontKill;
    QString customIndicator;
    int start = -1;  // default range (history indexes); -1: the default
    int end = -1;
  };
  void Prepare(const Request& request);

  QStringList Accepted() const { return accepted_; }

 signals:
  void generationFinished();

 private:
  void Launch() override;
  std::optional<OptimiseSettings> ReadSettings();
  void Finished(const OptimiseResult& r);
  void ShowProgress() override;

  AppContext& app_;
  Request request_;
  std::shared_ptr<const KillHistory> history_;
  QStringList accepted_;
  bool limitedRun_ = false;

  CandidateSettingsBox* settings_ = nullptr;
  QRadioButton* rb_randsc = nullptr;
  QRadioButton* rb_sssc = nullptr;
  QCheckBox* cb_contwrong = nullptr;
  QComboBox* combo_contwrong = nullptr;
  QCheckBox* cb_fa_contwrong = nullptr;
  QComboBox* combo_fa_contwrong = nullptr;
  QComboBox* cb_gsgs = nullptr;
  QPushButton* b_begin = nullptr;
  QProgressBar* pb1 = nullptr;
  QLabel* l_progress = nullptr;
  QLineEdit* e_contwrong = nullptr;
  QListWidget* lb_result = nullptr;
  QPushButton* b_apply = nullptr;
  QPushButton* b_cancel = nullptr;
};

}  // namespace dlt::gui
