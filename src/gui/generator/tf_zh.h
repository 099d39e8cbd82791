#pragma once

#include <QWidget>

namespace dlt::gui {

struct AppContext;

// Created at start with its caption; its pages are built with its feature.
class Tf_zh : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_zh(AppContext& app, QWidget* parent = nullptr);

 private:
  AppContext& app_;
};

}  // namespace dlt::gui
