#pragma once

#include <QWidget>
#include <memory>

class QActionGroup;
class QMenu;
class QTabWidget;
class QTimer;

namespace dlt::gui {

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
  void SetScrolling(bool on);
  void SetScrollInterval(int ms);
  QTimer* ActiveScrollTimer() const;
  void ScrollTick(QTimer* timer, QWidget* page);
  void ForecastChanged();

  AppContext& app_;
  std::unique_ptr<FxdContext> fxd_;
  QTabWidget* pc_redfxd = nullptr;
  QMenu* pm1 = nullptr;
  QActionGroup* scrollState_ = nullptr;
  OmissionGridPage* front_ = nullptr;
  OmissionGridPage* back_ = nullptr;
  OmissionGridPage* tail_ = nullptr;
  DistributionChartPage* distribution_ = nullptr;
  MatrixPage* matrix_ = nullptr;
  ConversionPage* conversion_ = nullptr;
  QTimer* t_redfbd_scroll = nullptr;
  QTimer* t_zhyltb_scroll = nullptr;
  QTimer* t_ws_zqyltb_scroll = nullptr;
  bool scrollDown_ = true;
};

}  // namespace dlt::gui
