#pragma once

#include <QDialog>
#include <QString>

#include "common/shape_class_table.h"

class QListWidget;

namespace dlt::gui {

struct AppContext;

// "组件": which shape components the analysis charts use, in order. "关闭"
// rebuilds the shape-class table from the components in use.
class Tf_zj1 : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_zj1(AppContext& app, QWidget* parent = nullptr);

  // The number of classes of a component ("尾号" 10, "三区" 3, "除七余数" 7);
  // 0 for a name that is no component.
  static int ClassesOf(const QString& name);
  // Rows 1..n of the table from the names in order, columns running from 1.
  static tzbpxz_zj1 TableOf(const QStringList& names);

 public slots:
  void MoveIn();   // "<<"
  void MoveOut();  // ">>"
  void CloseAndApply();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  AppContext& app_;
  QListWidget* using_ = nullptr;
  QListWidget* usable_ = nullptr;
};

}  // namespace dlt::gui
