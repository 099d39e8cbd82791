#pragma once

#include <QWidget>

namespace dlt::gui {

struct AppContext;
struct ZhSession;
class Tf_zh;

// The tab sheet "主区过滤" of the generator window.
class ZhFrontPage : public QWidget {
  Q_OBJECT
 public:
  ZhFrontPage(AppContext& app, ZhSession& session, Tf_zh& window, QWidget* parent = nullptr);

 private:
  AppContext& app_;
  ZhSession& session_;
  Tf_zh& window_;
};

}  // namespace dlt::gui
