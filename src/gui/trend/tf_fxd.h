#pragma once

#include <QWidget>
#include <memory>

class QMenu;
class QTabWidget;

namespace dlt::gui {

class AutoScroller;

struct AppContext;
struct FxdContext;
class ConversionPage;
class DistributionChartPage;
class FxdPage;
class MatrixPage;
class OmissionGridPage;

// "走势分析": the trend window. Its page control `pc_redfxd` holds the 21
// pages in tab order; each page fills itself when shown. The pages share the
// anchor (the history's current draw), the display mode and selection marks,
// and the popup menu `pm1` with display modes and scrolling.
class Tf_fxd : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_fxd(AppContext& app, QWidget* parent = nullptr);
  ~Tf_fxd() override;

  QTabWidget* Pages() const { return pc_redfxd; }
  // Shows the page with the given sheet name (ts_...); false when unknown.
  bool ShowPage(const QString& sheet);
  FxdContext& Shared() const { return *fxd_; }
  QMenu* DisplayMenu() const { return pm1; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void BuildMenu();
  void BuildPages();
  void FormShow();
  void FillCurrentPage();
  void SetDisplayMode(int mode);
  void ScrollStep(bool down);
  void ForecastChanged();

  AppContext& app_;
  std::unique_ptr<FxdContext> fxd_;
  QTabWidget* pc_redfxd = nullptr;
  QMenu* pm1 = nullptr;
  AutoScroller* scroller_ = nullptr;
  OmissionGridPage* front_ = nullptr;
  OmissionGridPage* back_ = nullptr;
  OmissionGridPage* tail_ = nullptr;
  DistributionChartPage* distribution_ = nullptr;
  MatrixPage* matrix_ = nullptr;
  ConversionPage* conversion_ = nullptr;
};

}  // namespace dlt::gui
