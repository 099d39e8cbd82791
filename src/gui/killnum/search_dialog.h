#pragma once

#include <QDialog>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "gui/common/background_runner.h"

class QPushButton;

namespace dlt::gui {

// What a running search reports, read by the window on its tick.
struct SearchProgress {
  std::atomic<int64_t> tested{0};
  std::atomic<int> accepted{0};
  std::atomic<double> bestRate{0};
};

// "已测试N个公式，最高准确率R%"
QString ProgressText(int64_t tested, double bestRate);

// A dialog whose one button starts and stops a search on a worker thread
// while the window stays usable: the button's caption, the window title and
// the locked settings follow the running state, progress shows on a tick,
// and closing the window (or destroying it) ends the search first.
class SearchDialog : public QDialog {
  Q_OBJECT
 public:
  bool Running() const { return runner_->Running(); }
  // Waits for a running search and shows its result now.
  void FinishRun() { runner_->Finish(); }
  // As last reported by the running search, or the last one.
  const SearchProgress& Progress() const { return *progress_; }

 public slots:
  void reject() override;

 protected:
  struct Captions {
    QString start;  // the button while idle
    QString stop;   // the button while running
    QString title;
    QString runningTitle;
  };
  SearchDialog(const Captions& captions, QWidget* parent);

  // The controls the running state locks; the subclass makes them.
  void SetControls(QPushButton* startStop, QWidget* settings, QPushButton* apply,
                   QPushButton* cancel);
  // Reads the settings and hands the work to Run, or tells why they are refused.
  virtual void Launch() = 0;
  // Runs `work` with fresh progress; `done` follows on this window, never
  // after it is gone. The work holds what it reads, never this window.
  using Work = std::function<void(TaskControl&, SearchProgress&)>;
  void Run(Work work, BackgroundRunner::Completion done);
  virtual void ShowProgress() = 0;
  // For what else follows the running state (a busy bar).
  virtual void RunningChanged(bool running) { (void)running; }

 private:
  void StartOrStop();
  void SetRunning(bool running);

  Captions captions_;
  BackgroundRunner* runner_ = nullptr;
  std::shared_ptr<SearchProgress> progress_ = std::make_shared<SearchProgress>();
  QPushButton* startStop_ = nullptr;
  QWidget* settings_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace dlt::gui
