#pragma once

#include <QWidget>
#include <memory>
#include <vector>

class QTabWidget;

namespace dlt::gui {

struct AppContext;
struct ZbpxzContext;
class ZbpxzScroller;
class ZbpxzTab;

// The indicator analysis: fifteen tabs over the series in the scratch field
// `test`. Every show takes the caption, the value range ("rangeFrom",
// "rangeTo") and the remembered key or formula ("indicatorKey", "formula")
// the hand-off left on the window, resets the pickers and opens "均值走势图".
class Tf_zbpxz : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_zbpxz(AppContext& app, QWidget* parent = nullptr);
  ~Tf_zbpxz() override;

  ZbpxzContext& Context() { return *z_; }
  QTabWidget* Tabs() const { return tabs_; }
  // The scrolling of the chart tabs (popup pm_zsd).
  ZbpxzScroller& Scroller() const { return *scroller_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void TabChanged(int index);

  AppContext& app_;
  std::unique_ptr<ZbpxzContext> z_;
  QTabWidget* tabs_ = nullptr;
  ZbpxzScroller* scroller_ = nullptr;
  std::vector<ZbpxzTab*> pages_;
  int current_ = -1;
};

}  // namespace dlt::gui
