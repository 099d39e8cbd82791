#pragma once

#include <QSize>
#include <QWidget>
#include <memory>

class QTabWidget;

namespace dlt::gui {

struct AppContext;
struct ZhSession;
class ZhFrontPage;
class ZhBackPage;
class ZhMatchPage;

// The combination generator "超强组号": the page control `p_hmzh` with the
// front-zone filter, the back-zone filter and the two-zone matching. The
// pages share one session (conditions and lists).
class Tf_zh : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_zh(AppContext& app, QWidget* parent = nullptr);
  ~Tf_zh() override;

  ZhSession& Session() { return *session_; }
  ZhFrontPage& FrontPage() { return *front_; }
  ZhBackPage& BackPage() { return *back_; }
  ZhMatchPage& MatchPage() { return *match_; }
  // The front list was changed outside the front page (the batch filter):
  // shows it again.
  void FrontListChanged();
  // Another window appended a self condition or a custom indicator to the
  // front set: shows it.
  void FrontSetChanged();
  // The same for an entry another window words itself in the list.
  void SelfConditionAppended(const QString& line);
  void CustomIndicatorAppended(const QString& line);
  // Shows the window on the page "自定义指标" with the formula in e_selfzb.
  void OfferCustomFormula(const QString& formula);
  // A custom indicator was transferred from the indicator analysis: shows
  // it and clears the entry fields (e_selfzb, e_selfzbqz, cb_selfzbrc).
  void CustomIndicatorTransferred();

 protected:
  // Every show starts on "主区过滤" and "常规1" at the top left.
  void showEvent(QShowEvent* event) override;

 private:
  AppContext& app_;
  std::unique_ptr<ZhSession> session_;
  static constexpr QSize kPreferredSize{1340, 700};

  QTabWidget* p_hmzh = nullptr;
  ZhFrontPage* front_ = nullptr;
  ZhBackPage* back_ = nullptr;
  ZhMatchPage* match_ = nullptr;
};

}  // namespace dlt::gui
