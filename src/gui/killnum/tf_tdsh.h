#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "killnum/kill_kind.h"

class QTabWidget;

namespace dlt {
class KillHistory;
}

namespace dlt::gui {

struct AppContext;
class TdshPage;

// "提胆与杀号": five tabs of kill and banker schemes (front kill, back
// kill, front banker, back banker, custom kill), each analysed over the
// draws from its start draw and the draw to come.
class Tf_tdsh : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_tdsh(AppContext& app, QWidget* parent = nullptr);
  ~Tf_tdsh() override;

  // The history the tabs analyse, read again each time the window is shown.
  const KillHistory& History() const { return *history_; }
  bool HasHistory() const { return history_ != nullptr && shown_; }
  TdshPage& Page(KillKind kind) const;
  QTabWidget* Tabs() const { return pc_tdsh; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void TabChosen(int index);

  AppContext& app_;
  std::unique_ptr<KillHistory> history_;
  bool shown_ = false;
  QTabWidget* pc_tdsh = nullptr;
  std::vector<TdshPage*> pages_;
};

}  // namespace dlt::gui
