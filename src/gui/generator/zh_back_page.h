#pragma once

#include <QWidget>

namespace dlt::gui {

struct AppContext;
struct ZhSession;
class Tf_zh;

// The tab sheet "副区过滤" of the generator window.
class ZhBackPage : public QWidget {
  Q_OBJECT
 public:
  ZhBackPage(AppContext& app, ZhSession& session, Tf_zh& window, QWidget* parent = nullptr);

 private:
  AppContext& app_;
  ZhSession& session_;
  Tf_zh& window_;
};

}  // namespace dlt::gui
