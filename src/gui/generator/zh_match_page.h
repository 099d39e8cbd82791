#pragma once

#include <QWidget>

namespace dlt::gui {

struct AppContext;
struct ZhSession;
class Tf_zh;

// The tab sheet "双区匹配" of the generator window.
class ZhMatchPage : public QWidget {
  Q_OBJECT
 public:
  ZhMatchPage(AppContext& app, ZhSession& session, Tf_zh& window, QWidget* parent = nullptr);

 private:
  AppContext& app_;
  ZhSession& session_;
  Tf_zh& window_;
};

}  // namespace dlt::gui
