#pragma once

#include <QWidget>
#include <memory>

class QTabWidget;

namespace dlt::gui {

struct AppContext;
struct FxdContext;

// "蓝球分析": seven chart pages of the larger back number of each draw in
// the page control pc_bluefxd, paged from the history's current draw like
// the trend window's charts. The trend window's back-zone page opens it
// ("副区分析"); every showing starts on "均值走势图".
class Tf_bluefxd : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_bluefxd(AppContext& app, QWidget* parent = nullptr);
  ~Tf_bluefxd() override;

  QTabWidget* Pages() const { return pc_bluefxd; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void FillCurrentPage();

  AppContext& app_;
  std::unique_ptr<FxdContext> charts_;
  QTabWidget* pc_bluefxd = nullptr;
};

}  // namespace dlt::gui
