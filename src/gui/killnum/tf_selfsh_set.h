#pragma once

#include <QDialog>

namespace dlt::gui {

struct AppContext;

// Created at start with its caption; its pages are built with its feature.
class Tf_selfsh_set : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_selfsh_set(AppContext& app, QWidget* parent = nullptr);

 private:
  AppContext& app_;
};

}  // namespace dlt::gui
