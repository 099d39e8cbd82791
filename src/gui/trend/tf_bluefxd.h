#pragma once

#include <QWidget>

namespace dlt::gui {

struct AppContext;

// Created at start with its caption; its pages are built with its feature.
class Tf_bluefxd : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_bluefxd(AppContext& app, QWidget* parent = nullptr);

 private:
  AppContext& app_;
};

}  // namespace dlt::gui
