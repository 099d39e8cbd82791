#pragma once

#include <QDialog>
#include <QStringList>
#include <atomic>
#include <memory>
#include <optional>

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
class QTimer;

namespace dlt {
class KillHistory;
}

namespace dlt::gui {

struct AppContext;
class BackgroundJob;
class CandidateSettingsBox;

// "优化方案": fills a whole scheme with N formulas, untested at random or
// searched to reach a target rate, optionally limiting the runs of
// failures of each formula and of the scheme. "开始生成" starts and stops;
// "应用" closes with the accepted formulas.
class Tf_scfa : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_scfa(AppContext& app, QWidget* parent = nullptr);
  ~Tf_scfa() override;

  struct Request {
    int wanted = 10;  // N, 1..100
    KillKind kind = KillKind::FrontKill;
    QString customIndicator;
    int start = -1;  // default range (history indexes); -1: the default
    int end = -1;
  };
  void Prepare(const Request& request);

  QStringList Accepted() const { return accepted_; }
  bool Running() const;
  BackgroundJob& Job() { return *job_; }

 public slots:
  void reject() override;

 signals:
  void generationFinished();

 private:
  void StartOrStop();
  std::optional<OptimiseSettings> ReadSettings();
  void Finished();
  void ShowProgress();
  void SetRunning(bool running);

  AppContext& app_;
  Request request_;
  std::unique_ptr<KillHistory> history_;
  BackgroundJob* job_ = nullptr;
  QTimer* tick_ = nullptr;
  OptimiseResult result_;
  QStringList accepted_;
  std::atomic<int64_t> tested_{0};
  std::atomic<int> acceptedCount_{0};
  std::atomic<double> bestRate_{0};
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
