#pragma once

#include <QDialog>

#include "generator/condition_report.h"

class QRadioButton;

namespace dlt::gui {

struct AppContext;

// "选择": which lines of the check report are shown.
class Tf_condchoice : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_condchoice(AppContext& app, QWidget* parent = nullptr);

  // 全部显示, 只显示对 or 只显示错, by the checked button.
  CheckMode Mode() const;

 private:
  AppContext& app_;
  QRadioButton* rb_1 = nullptr;
  QRadioButton* rb_2 = nullptr;
  QRadioButton* rb_3 = nullptr;
};

}  // namespace dlt::gui
