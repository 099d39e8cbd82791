#pragma once

#include <QDialog>

namespace dlt::gui {

struct AppContext;

// Created at start with its caption; its pages are built with its feature.
class Tf_getchoiceextend_plus : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_getchoiceextend_plus(AppContext& app, QWidget* parent = nullptr);

 private:
  AppContext& app_;
};

}  // namespace dlt::gui
